// The idle policy and the policy names.
#include "tools/sim/policy.h"

#include "core/rules/camp_rules.h"
#include "core/rules/signing_rules.h"
#include "tools/sim/sim_ui.h"

namespace tk::sim {
namespace {

// Never uses a command; every question "いいえ"; screens that must be left are left the
// way that costs nothing.
class IdlePolicy : public Policy {
public:
    std::string Name() const override { return "idle"; }
    void BeforeWeek(Game &, SimUi &) override {}
    bool Answer(const std::string &) override { return false; }
    void ChooseCamp(Game &game, SimUi &ui) override {
        ui.Confirming([&] { return DecideCamp(game, 0); });  // 行かない
    }
    void ScoutResult(Game &game, SimUi &ui) override {
        ui.Confirming([&] { return DeclineCandidates(game); });
    }
    void DismissAtRenewal(Game &, SimUi &) override {}  // 閉じる
};

}  // namespace

std::unique_ptr<Policy> MakeIdlePolicy() {
    return std::make_unique<IdlePolicy>();
}

std::unique_ptr<Policy> MakePolicy(const std::string &name, std::uint64_t seed) {
    if (name == "idle") return MakeIdlePolicy();
    if (name == "active") return MakeActivePolicy();
    if (name == "careful") return MakeCarefulPolicy();
    if (name == "random") return MakeRandomPolicy(seed);
    return nullptr;
}

std::vector<std::string> PolicyNames() {
    return {"idle", "active", "careful", "random"};
}

}  // namespace tk::sim
