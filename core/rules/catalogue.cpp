// Name pools, facility texts and numbers, and the experience-to-level rule.
#include "core/rules/catalogue.h"

#include <array>

#include "core/rules/lookups.h"
#include "core/rules/random.h"

namespace tk {

namespace {

constexpr std::array<const char *, 51> kFamily = {
    "",     "田中", "田中", "鈴木", "鈴木", "鈴木", "佐藤", "佐藤", "佐藤", "相沢", "石井",
    "石井", "伊藤", "小野", "風間", "金子", "小林", "小林", "中下", "河本", "篠原", "島田",
    "中野", "水崎", "山下", "山下", "山本", "渡部", "渡邊", "木村", "坂本", "木下", "中川",
    "野村", "大石", "工藤", "佐野", "清水", "高橋", "川上", "榎本", "大田", "石原", "小泉",
    "桜井", " 森 ", "松本", "森田", "原田", " 金 ", "田中"};

constexpr std::array<const char *, 67> kFirst = {
    "",     "拓也", "卓也", "徹雄", "正平", "正人", "俊輔", "彰浩", "庄太", " 透 ", "洋介", "孝之",
    "裕輔", "政司", "高弘", "啓介", "雄二", "祐樹", "俊平", " 亮 ", "恵吾", " 博 ", "裕次", "達也",
    "浩介", "敏彦", "和也", " 仁 ", "隆一", "正俊", "大樹", "一郎", "泰斗", "明仁", "恵吾", "政宗",
    "正則", "隆志", "哲也", "弘樹", "悠太", "雅敏", "幸也", "伸吾", " 剛 ", "悟朗", "政弘", "文雄",
    "拓郎", "慎介", "英弘", "和弘", "英樹", "良信", "孝明", "敏久", " 翼 ", "光彦", "和雅", "翔太",
    "幸太", "智弘", "一輝", "智也", "修平", "順平", "良介"};

constexpr const char *kOutdoor = "屋外のコートです。雨の日は使えません。";
constexpr const char *kRained = "現在雨が降っているのでこのコートは使えません";

}  // namespace

std::string FamNames(int number) {
    return (number >= 1 && number <= 50) ? kFamily[static_cast<std::size_t>(number)] : "";
}

std::string FirNames(int number) {
    return (number >= 1 && number <= 66) ? kFirst[static_cast<std::size_t>(number)] : "";
}

int DisplayKind(int kind, int timeOfDay, int weather) {
    if (kind != kOutdoorCourt && kind != kLitCourt) return kind;
    int shown = kind;
    if (timeOfDay == 4 || timeOfDay == 5)
        shown = kind + 2;
    else if (timeOfDay == 6)
        shown = kind + 9;
    else if (timeOfDay == 7)
        shown = kOutdoorCourt;
    if (weather == 2) shown = kind + 9;
    return shown;
}

int DisplayKind(const GameState &s, int kind) {
    return DisplayKind(kind, s.TimeOfDay, s.Weather);
}

std::string NameOfDisplayKind(int d) {
    switch (d) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 9:
        case 10: return "屋外コート";
        case 4: return "室内コート";
        case 5: return "事務所";
        case 6: return "トレーニング室";
        case 7: return "売地";
        case 8: return "工事中";
        default: return "";
    }
}

std::string UsabilityOfDisplayKind(int d) {
    switch (d) {
        case 0:
        case 1:
        case 3:
        case 4:
        case 5:
        case 6: return "使用可";
        case 2:
        case 7:
        case 8:
        case 9:
        case 10: return "使用不可";
        default: return "";
    }
}

std::string CommentOfDisplayKind(int d) {
    switch (d) {
        case 0: return kOutdoor;
        case 1: return std::string(kOutdoor) + "\r照明付き";
        case 2: return std::string(kOutdoor) + "今は夜なので暗くて使えません";
        case 3: return std::string(kOutdoor) + "今は夜ですが照明があるため使えます";
        case 4: return "屋内のコートです。夜も雨の日も使えます。";
        case 5: return "事務所です。";
        case 6: return "トレーニング室は練習効果を上げる役割があります";
        case 7: return "この土地は現在売り出し中です";
        case 8: return "工事をしています。もうすぐ完成します";
        case 9: return kRained;
        case 10: return std::string(kRained) + "\r照明付き";
        default: return "";
    }
}

std::string CNames(const GameState &s, int kind) {
    return NameOfDisplayKind(DisplayKind(s, kind));
}
std::string CCan(const GameState &s, int kind) {
    return UsabilityOfDisplayKind(DisplayKind(s, kind));
}
std::string Comments(const GameState &s, int kind) {
    return CommentOfDisplayKind(DisplayKind(s, kind));
}

int CIzi(int kind) {
    switch (kind) {
        case kOutdoorCourt: return 3;
        case kLitCourt: return 8;
        case kIndoorCourt: return 12;
        case kOffice: return 20;
        case kTrainingRoom: return 15;
        default: return 0;
    }
}

int CKenDay(int kind) {
    switch (kind) {
        case kOutdoorCourt: return 1;
        case kLitCourt: return 3;
        case kIndoorCourt: return 4;
        case kTrainingRoom: return 5;
        default: return 0;
    }
}

void SkillUp(PlayerRecord &p, int age, int skill, int v) {
    if (p.Style == 1 && skill == 5) skill = 6;
    std::uint8_t &exp = p.Experience[static_cast<std::size_t>(skill)];
    std::uint8_t &level = p.Level(skill);
    exp = static_cast<std::uint8_t>(exp + v);
    const int threshold = 2 * (RoundDown(age / 10.0) + level / 100 + 8 - p.Growth);
    // A threshold of zero or less would never stop taking levels; one point is the least
    // a level can cost.
    const int t = threshold < 1 ? 1 : threshold;
    while (exp >= t) {
        if (level >= 250) {
            level = 250;
            exp = static_cast<std::uint8_t>(t - 1);
            break;
        }
        exp = static_cast<std::uint8_t>(exp - t);
        ++level;
    }
}

void PlayerSkillUp(GameState &s, int player, int skill, int v) {
    SkillUp(s.Players[static_cast<std::size_t>(player)], AgeOf(s, player), skill, v);
}

}  // namespace tk
