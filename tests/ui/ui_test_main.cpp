// The ui_tests runner: `ui_tests` runs every tst_ class, `ui_tests tst_MeSForm [qtest args]`
// runs one (ctest runs each class as its own test).
#include <cstring>
#include <vector>

#include <QApplication>
#include <QTest>

#include "tests/ui/ui_test_registry.h"

namespace tk::test {

std::vector<std::pair<const char *, UiTestFactory>> &UiTestRegistry() {
    static std::vector<std::pair<const char *, UiTestFactory>> registry;
    return registry;
}

}  // namespace tk::test

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH

    const char *only = nullptr;
    std::vector<char *> args(argv, argv + argc);
    if (argc > 1 && argv[1][0] != '-') {
        only = argv[1];
        args.erase(args.begin() + 1);
    }

    int failed = 0;
    bool found = false;
    for (const auto &[name, factory] : tk::test::UiTestRegistry()) {
        if (only && std::strcmp(only, name) != 0) continue;
        found = true;
        std::unique_ptr<QObject> test = factory();
        if (QTest::qExec(test.get(), static_cast<int>(args.size()), args.data()) != 0) ++failed;
    }
    if (only && !found) {
        qCritical("ui_tests: no test class named %s", only);
        return 2;
    }
    return failed == 0 ? 0 : 1;
}
