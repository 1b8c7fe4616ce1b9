// tk-savetool: a save file or the settings file to JSON and back.
#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "core/state/record_codec.h"
#include "storage/atomic_file.h"
#include "storage/file_checks.h"
#include "storage/stale_files.h"
#include "tools/savetool/history_json.h"
#include "tools/savetool/save_json.h"

namespace {

constexpr const char *kUsage =
    "Usage:\n"
    "  tk-savetool export <file> [--settings] > out.json\n"
    "  tk-savetool import <in.json> <file> [--settings]\n"
    "  tk-savetool export-history <file> > history.json\n"
    "\n"
    "export writes every member of a save file (Save0.Kumo..Save3.Kumo, or a slot's\n"
    "backup Save0.Kumo.bak or recovery file Save0.Kumo.resume, which hold the same record)\n"
    "as JSON on standard output; with --settings the file is the settings file\n"
    "(SaveData.Kumo). Only plain files are read (no pipes, devices or folders), and no more\n"
    "than the longest record.\n"
    "import writes the file back from such JSON, replacing <file> whole; a <file> that\n"
    "exists must be a plain file.\n"
    "Texts are UTF-8 strings. \"TeamNameCp932\"/\"ManagerNameCp932\" (hex), when present,\n"
    "give the stored bytes of a text and win over the string. Bytes after the end of\n"
    "the record are not exported. Notes about the file go to standard error.\n"
    "export-history writes the slot's history (<file>.history beside the slot: messages,\n"
    "seasons, players and their month ends) as JSON, without changing it.\n";

int Fail(const std::string &message) {
    std::cerr << "tk-savetool: " << message << "\n";
    return 1;
}

// The longest JSON an export writes is well under a megabyte; anything far longer is not one.
constexpr qint64 kMaxJsonBytes = 16 << 20;

// At most maxBytes of a plain file. A missing file, or one that holds more than maxBytes when
// refuseLonger is set, is an error; otherwise fileSize tells how much was left unread.
bool ReadStart(const QString &path, qint64 maxBytes, bool refuseLonger, QByteArray &bytes,
               qint64 &fileSize, std::string &error) {
    if (tk::CheckFile(path).State == tk::FileState::Missing) {
        error = "cannot read " + path.toStdString() + ": no such file";
        return false;
    }
    auto read = tk::ReadPlainFile(path, maxBytes, QString(), &fileSize);
    if (!read) {
        error = read.Reason();
        return false;
    }
    if (refuseLonger && fileSize > maxBytes) {
        error = path.toStdString() + " is too large (" + std::to_string(fileSize) + " bytes)";
        return false;
    }
    bytes = std::move(read.Value());
    return true;
}

void PrintNotes(const std::vector<std::string> &notes) {
    for (const std::string &note : notes) std::cerr << "tk-savetool: note: " << note << "\n";
}

int Export(const QString &path, bool settings) {
    QByteArray bytes;
    qint64 size = 0;
    std::string error;
    const auto longest = static_cast<qint64>(tk::kMaxGameStateBytes);
    if (!ReadStart(path, longest, false, bytes, size, error)) return Fail(error);
    const std::span<const std::uint8_t> span(
        reinterpret_cast<const std::uint8_t *>(bytes.constData()),
        static_cast<std::size_t>(bytes.size()));
    const tk::Converted converted = settings ? tk::ExportSettings(span) : tk::ExportGame(span);
    std::fwrite(converted.Json.data(), 1, converted.Json.size(), stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return Fail("cannot write the JSON");
    PrintNotes(converted.Notes);
    if (size > bytes.size()) {
        PrintNotes({"the file holds " + std::to_string(size) + " bytes; only the first " +
                    std::to_string(bytes.size()) + " (the longest record) were read"});
    }
    return 0;
}

int Import(const QString &jsonPath, const QString &path, bool settings) {
    QByteArray json;
    qint64 size = 0;
    std::string error;
    if (!ReadStart(jsonPath, kMaxJsonBytes, true, json, size, error)) return Fail(error);
    const std::string_view text(json.constData(), static_cast<std::size_t>(json.size()));
    auto converted = settings ? tk::ImportSettings(text) : tk::ImportGame(text);
    if (!converted) return Fail(jsonPath.toStdString() + ": " + converted.Reason());
    const tk::Bytes &file = converted.Value().File;
    const QByteArray out(reinterpret_cast<const char *>(file.data()),
                         static_cast<qsizetype>(file.size()));
    auto target = tk::WritableTarget(path);
    if (!target) return Fail(target.Reason());
    tk::FileSteps steps;
    const tk::Status written = tk::ReplaceFile(target.Value(), out, steps);
    if (!written) return Fail(written.Reason());
    // A temporary file a killed earlier import left beside the file goes now.
    tk::RemoveStaleTemporaries(QFileInfo(target.Value()).absolutePath());
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
