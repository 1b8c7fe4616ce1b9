// tk-savetool: a save file or the settings file to JSON and back.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "core/state/atomic_file.h"
#include "tools/savetool/history_json.h"
#include "tools/savetool/save_json.h"

namespace {

constexpr const char *kUsage =
    "Usage:\n"
    "  tk-savetool export <file> [--settings] > out.json\n"
    "  tk-savetool import <in.json> <file> [--settings]\n"
    "  tk-savetool export-history <file> > history.json\n"
    "\n"
    "export writes every member of a save file (Save0.Kumo..Save3.Kumo) as JSON on\n"
    "standard output; with --settings the file is the settings file (SaveData.Kumo).\n"
    "import writes the file back from such JSON, replacing <file> whole.\n"
    "Texts are UTF-8 strings. \"TeamNameCp932\"/\"ManagerNameCp932\" (hex), when present,\n"
    "give the stored bytes of a text and win over the string. Bytes after the end of\n"
    "the record are not exported. Notes about the file go to standard error.\n"
    "export-history writes the slot's history (<file>.history beside the slot: messages,\n"
    "seasons, players and their month ends) as JSON, without changing it.\n";

int Fail(const std::string &message) {
    std::cerr << "tk-savetool: " << message << "\n";
    return 1;
}

bool ReadAll(const QString &path, QByteArray &bytes, std::string &error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot read " + path.toStdString() + ": " + file.errorString().toStdString();
        return false;
    }
    bytes = file.readAll();
    return true;
}

void PrintNotes(const std::vector<std::string> &notes) {
    for (const std::string &note : notes) std::cerr << "tk-savetool: note: " << note << "\n";
}

int Export(const QString &path, bool settings) {
    QByteArray bytes;
    std::string error;
    if (!ReadAll(path, bytes, error)) return Fail(error);
    const std::span<const std::uint8_t> span(
        reinterpret_cast<const std::uint8_t *>(bytes.constData()),
        static_cast<std::size_t>(bytes.size()));
    const tk::Converted converted = settings ? tk::ExportSettings(span) : tk::ExportGame(span);
    std::fwrite(converted.Json.data(), 1, converted.Json.size(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return Fail("cannot write the JSON");
    PrintNotes(converted.Notes);
    return 0;
}

int Import(const QString &jsonPath, const QString &path, bool settings) {
    QByteArray json;
    std::string error;
    if (!ReadAll(jsonPath, json, error)) return Fail(error);
    const std::string_view text(json.constData(), static_cast<std::size_t>(json.size()));
    auto converted = settings ? tk::ImportSettings(text) : tk::ImportGame(text);
    if (!converted) return Fail(jsonPath.toStdString() + ": " + converted.Reason());
    const tk::Bytes &file = converted.Value().File;
    const QByteArray out(reinterpret_cast<const char *>(file.data()),
                         static_cast<qsizetype>(file.size()));
    tk::FileSteps steps;
    const tk::Status written = tk::ReplaceFile(path, out, steps);
    if (!written) return Fail(written.Reason());
    PrintNotes(converted.Value().Notes);
    return 0;
}

int ExportHistoryOf(const QString &slotPath) {
    const auto json = tk::ExportHistory(tk::HistoryFileOf(slotPath));
    if (!json) return Fail(json.Reason());
    std::fwrite(json.Value().data(), 1, json.Value().size(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return Fail("cannot write the JSON");
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    std::vector<std::string> args;
    bool settings = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--settings") {
            settings = true;
        } else if (arg.starts_with("--")) {
            std::cerr << "tk-savetool: unknown option " << arg << "\n" << kUsage;
            return 2;
        } else {
            args.push_back(arg);
        }
    }
    if (args.size() == 2 && args[0] == "export-history")
        return ExportHistoryOf(QString::fromLocal8Bit(args[1]));
    if (args.size() == 2 && args[0] == "export")
        return Export(QString::fromLocal8Bit(args[1]), settings);
    if (args.size() == 3 && args[0] == "import") {
        return Import(QString::fromLocal8Bit(args[1]), QString::fromLocal8Bit(args[2]), settings);
    }
    std::cerr << kUsage;
    return 2;
}
