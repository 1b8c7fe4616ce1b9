// Lets each tst_ class of the UI tests register itself with the one ui_tests runner.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QObject>

namespace tk::test {

using UiTestFactory = std::function<std::unique_ptr<QObject>()>;

// Every registered class, in registration order, by name.
std::vector<std::pair<const char *, UiTestFactory>> &UiTestRegistry();

struct RegisterUiTest {
    RegisterUiTest(const char *name, UiTestFactory factory) {
        UiTestRegistry().emplace_back(name, std::move(factory));
    }
};

}  // namespace tk::test

// Put at the end of a tst_ file, after the class: TK_UI_TEST(tst_MeSForm)
#define TK_UI_TEST(Class)                                       \
    static const ::tk::test::RegisterUiTest tkRegister_##Class( \
        #Class, [] { return std::unique_ptr<QObject>(std::make_unique<Class>()); })
