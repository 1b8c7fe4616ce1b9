// libFuzzer target: any bytes as the JSON that tk-savetool imports. Importing never crashes;
// a file image it accepts is exactly one record long, exports again, and imports back to the
// same bytes; settings it accepts are exactly one settings file long.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/state/record_codec.h"
#include "tools/savetool/save_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view json(reinterpret_cast<const char *>(data), size);
    if (auto game = tk::ImportGame(json)) {
        const tk::Bytes &file = game.Value().File;
        const tk::ReadGame read = tk::ReadGameState(file);
        if (read.RecordBytes != file.size()) std::abort();
        const tk::Converted exported = tk::ExportGame(file);
        auto again = tk::ImportGame(exported.Json);
        if (!again || again.Value().File != file) std::abort();
    }
    if (auto settings = tk::ImportSettings(json)) {
        if (settings.Value().File.size() != tk::kSettingsBytes) std::abort();
    }
    return 0;
}
