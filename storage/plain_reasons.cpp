// errno values in the player's words, and Qt's file errors traced back to them.
#include "storage/plain_reasons.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QString>

namespace tk {

std::string PlainError(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT: return "容量不足です";
        case EACCES:
        case EPERM: return "書き込み権限がありません";
        case EROFS: return "読み取り専用です";
        case EIO: return "ディスクの読み書きに失敗しました";
        case ENOENT: return "ファイルかフォルダがありません";
        case ENOTDIR: return "途中にフォルダでないものがあります";
        case EISDIR: return "フォルダです";
        case ENAMETOOLONG: return "名前が長すぎます";
        case ELOOP: return "リンクが循環しています";
        case EMFILE:
        case ENFILE: return "開いているファイルが多すぎます";
        case EBUSY:
        case ETXTBSY:
        case EAGAIN: return "ほかで使用中です";
        case EFBIG: return "ファイルが大きすぎます";
        case EXDEV: return "別のディスクには移せません";
        case ENOMEM: return "メモリが足りません";
        case EEXIST: return "同じ名前のものがすでにあります";
        case ENXIO:
        case ENODEV: return "デバイスがありません";
        default: return "システムのエラーです（番号 " + std::to_string(error) + "）";
    }
}

std::string PlainFileError(const QString &systemText) {
    // Qt builds its file error texts from strerror(errno): find the value they came from.
    for (int error = 1; error < 200; ++error) {
        const char *text = std::strerror(error);
        if (text != nullptr && systemText == QString::fromLocal8Bit(text)) return PlainError(error);
    }
    return {};
}

std::string PlainFileError(const QFileDevice &file) {
    const QString text = file.errorString();
    std::fprintf(stderr, "tennis-kantoku: %s: %s\n", file.fileName().toLocal8Bit().constData(),
                 text.toLocal8Bit().constData());
    if (std::string plain = PlainFileError(text); !plain.empty()) return plain;
    // Qt's own texts ("Existing file ... is not writable") carry no cause: ask the system.
    const QByteArray name = QFile::encodeName(file.fileName());
    const QByteArray folder = QFile::encodeName(QFileInfo(file.fileName()).absolutePath());
    for (const QByteArray &path : {name, folder}) {
        if (access(path.constData(), F_OK) == 0 && access(path.constData(), W_OK) != 0)
            return PlainError(errno);
    }
    switch (file.error()) {
        case QFileDevice::NoError: return {};
        case QFileDevice::ReadError: return "読み込みに失敗しました";
        case QFileDevice::WriteError: return "書き込みに失敗しました";
        case QFileDevice::OpenError:
        case QFileDevice::PermissionsError: return "開けません（書き込み権限がありません）";
        case QFileDevice::RenameError: return "名前を変えられません";
        case QFileDevice::ResourceError: return "容量不足です";
        default: return "ファイルの操作に失敗しました";
    }
}

}  // namespace tk
