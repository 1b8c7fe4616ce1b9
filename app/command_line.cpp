// --help and --version, and the toolkit options that are left to Qt.
#include "app/command_line.h"

#include <array>
#include <string_view>

#ifndef TK_VERSION_TEXT
#define TK_VERSION_TEXT "0"
#endif

namespace tk {
namespace {

constexpr std::string_view kProgram = "tennis-kantoku";

// Qt's own options of any widget program; they choose the window system, never the game.
constexpr std::array<std::string_view, 16> kQtOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin",      "display", "qwindowgeometry",
    "geometry", "qwindowtitle",       "title",         "qwindowicon", "icon",    "session",
    "style",    "stylesheet",         "name",          "visual"};
constexpr std::array<std::string_view, 6> kQtFlags = {"reverse", "widgetcount", "sync",
                                                      "nograb",  "dograb",      "testability"};

template <std::size_t N>
bool Listed(const std::array<std::string_view, N> &names, std::string_view name) {
    for (std::string_view n : names) {
        if (n == name) return true;
    }
    return false;
}

std::string HelpText() {
    return std::string("使い方: ") + std::string(kProgram) +
           " [--help | --version]\n"
           "\n"
           "テニス監督: テニス部の監督になって選手を育て、大会の頂点を目指す\n"
           "経営シミュレーションゲームです。オプションなしで起動するとタイトル画面が開きます。\n"
           "\n"
           "  -h, --help     この説明を表示して終了します\n"
           "      --version  バージョンを表示して終了します\n"
           "\n"
           "Qt の標準オプション（-platform、-display、-style など）はそのまま Qt に渡します。\n"
           "\n"
           "セーブデータ: インストールしたゲームは ~/.local/share/tennis-kantoku/Data に、\n"
           "ビルドしたフォルダから起動したゲームは実行ファイルの横の Data フォルダに保存します。\n";
}

CommandLineAnswer Refuse(const std::string &message) {
    return {false,
            2,
            {},
            std::string(kProgram) + ": " + message + "\n使い方は " + std::string(kProgram) +
                " --help で表示されます。\n"};
}

}  // namespace

CommandLineAnswer ReadCommandLine(int argc, const char *const *argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") return {false, 0, HelpText(), {}};
        if (arg == "--version") {
            return {
                false, 0, "テニス監督 (" + std::string(kProgram) + ") " TK_VERSION_TEXT "\n", {}};
        }
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.size() < 2 || arg[0] != '-') {
            return Refuse("引数は受け付けません: " + std::string(arg));
        }
        // Qt reads its options with one dash or two, and -style=NAME as well as -style NAME.
        std::string_view name = arg.substr(arg[1] == '-' ? 2 : 1);
        const std::size_t equals = name.find('=');
        const bool joinedValue = equals != std::string_view::npos;
        if (joinedValue) name = name.substr(0, equals);
        if (!joinedValue && Listed(kQtFlags, name)) continue;
        if (Listed(kQtOptionsWithValue, name)) {
            if (joinedValue) continue;
            if (i + 1 >= argc) return Refuse(std::string(arg) + " の後に値がありません");
            ++i;
            continue;
        }
        return Refuse("知らないオプションです: " + std::string(arg));
    }
    return {};
}

}  // namespace tk
