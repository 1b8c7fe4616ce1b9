// The game's font, locale, Qt translations and style, set once at start.
#include "ui/base/app_look.h"

#include "ui/base/game_style.h"

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace tk {

QStringList FallbackFontFamilies() {
    return {QStringLiteral("Noto Sans JP"), QStringLiteral("IPAexGothic"),
            QStringLiteral("IPAGothic"),    QStringLiteral("VL Gothic"),
            QStringLiteral("TakaoPGothic"), QStringLiteral("Droid Sans Japanese")};
}

FontChoice ChooseGameFont(const FontResolver &resolve) {
    const auto found = [&](const QString &family) {
        return resolve(family).compare(family, Qt::CaseInsensitive) == 0;
    };
    const QString own = QString::fromUtf8(kGameFontFamily);
    if (found(own)) return {own, true};
    for (const QString &family : FallbackFontFamilies())
        if (found(family)) return {family, false};
    return {};
}

QString MissingFontMessage(const FontChoice &choice) {
    if (choice.exact) return {};
    const QString used =
        choice.family.isEmpty() ? QStringLiteral("システムの標準フォント") : choice.family;
    return QStringLiteral(
               "日本語フォント「%1」が見つかりません。\n"
               "代わりに%2で表示するため、文字の形や大きさが変わり、"
               "一部が欠けることがあります。\n"
               "Debian・Ubuntu では次のコマンドで入れられます:\n"
               "    sudo apt-get install fonts-noto-cjk\n\n"
               "The Japanese font \"%1\" is not installed; the game uses %3 instead and may "
               "look different. Install it with: sudo apt-get install fonts-noto-cjk")
        .arg(QString::fromUtf8(kGameFontFamily), used,
             choice.family.isEmpty() ? QStringLiteral("the system font") : choice.family);
}

bool AddOwnFontCopy(const QString &folder) {
    const QString family = QString::fromUtf8(kOwnFontFamily);
    const QString file = QString(family).remove(u' ');
    QList<int> added;
    bool both = true;
    for (const char *style : {"Regular", "Bold"}) {
        const int id = QFontDatabase::addApplicationFont(
            QDir(folder).filePath(QStringLiteral("%1-%2.otf").arg(file, QLatin1String(style))));
        if (id >= 0) added << id;
        both = both && id >= 0 && QFontDatabase::applicationFontFamilies(id) == QStringList{family};
    }
    // Half a copy would draw its bold text as a thickened regular face.
    if (!both)
        for (int id : added) QFontDatabase::removeApplicationFont(id);
    return both;
}

AppLook SetUpAppLook(QApplication &application, const QString &ownFontFolder) {
    AppLook look;
    // The screens are drawn in their own light colours: a dark desktop theme must not
    // turn their texts white, nor another style change their sizes.
    if (QStyle *style = MakeGameStyle()) {
        QApplication::setStyle(style);
        QApplication::setPalette(style->standardPalette());
    }

    // Asked of the font list fontconfig gives Qt, which loads no font to answer.
    look.font = ChooseGameFont([](const QString &family) {
        return QFontDatabase::hasFamily(family) ? family : QString();
    });
    look.ownFontCopy = !ownFontFolder.isEmpty() && AddOwnFontCopy(ownFontFolder);
    QStringList families;
    if (look.ownFontCopy) families << QString::fromUtf8(kOwnFontFamily);
    if (!look.font.family.isEmpty()) families << look.font.family;
    if (!families.isEmpty()) {
        QFont font(families.first(), kGameFontPointSize);
        font.setFamilies(families);
        font.setStyleHint(QFont::SansSerif);
        QApplication::setFont(font);
    }

    // Numbers and dates of the game's own texts are Japanese whatever LANG says.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));

    // Qt's own texts: the context menu of a text field, the buttons of standard dialogs.
    auto *translator = new QTranslator(&application);
    look.translationsLoaded =
        translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QApplication::installTranslator(translator);
    if (!look.translationsLoaded) {
        delete translator;
        std::fputs(
            "tennis-kantoku: Qt の日本語翻訳 (qtbase_ja.qm) が見つかりません。"
            "sudo apt-get install qt6-translations-l10n\n",
            stderr);
    }

    const QString missing = MissingFontMessage(look.font);
    if (!missing.isEmpty()) {
        std::fprintf(stderr, "tennis-kantoku: %s\n", missing.toLocal8Bit().constData());
        QMessageBox::warning(nullptr, QStringLiteral("テニス監督"), missing);
    }
    return look;
}

}  // namespace tk
