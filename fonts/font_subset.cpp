// tk-font-subset: the game's own small copy of a face of a system font, holding only the
// characters its screens write, under a family name of its own.
//
//   tk-font-subset FONT-FILE SOURCE-FAMILY FAMILY STYLE OUTPUT TEXT-FILE... | @LIST-FILE
//
// takes the face SOURCE-FAMILY of FONT-FILE (a collection holds several) and keeps the
// characters of the TEXT-FILEs (the game's sources: every text it writes; @LIST-FILE names
// them one per line), the kana, ASCII and its full-width forms and the Japanese punctuation.
// The screens draw the same outlines, hints and metrics as from the full face, but a glyph's
// outline is then read from a file of half a megabyte instead of twenty, so a screen maps a
// fraction of the pages. A character the copy lacks (a name the player types) is drawn from
// the full face, which the game names as the next family. The Open Font License asks that a
// modified font carries another name: the copy keeps the source's copyright, version and
// licence entries, and says what it is.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <hb-ot.h>
#include <hb-subset.h>
#include <hb.h>

namespace {

constexpr hb_tag_t kNameTag = HB_TAG('n', 'a', 'm', 'e');

// The code points of a UTF-8 text.
std::vector<hb_codepoint_t> CodePoints(const std::string &text) {
    std::vector<hb_codepoint_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        hb_codepoint_t point = length == 1   ? lead
                               : length == 2 ? lead & 0x1F
                               : length == 3 ? lead & 0x0F
                                             : lead & 0x07;
        for (int k = 1; k < length && i + k < text.size(); ++k)
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        points.push_back(point);
        i += length;
    }
    return points;
}

// A name entry of the source face (Windows, US English), empty if it has none.
std::u16string SourceName(hb_face_t *face, hb_ot_name_id_t id) {
    const hb_language_t english = hb_language_from_string("en", -1);
    unsigned length = hb_ot_name_get_utf16(face, id, english, nullptr, nullptr);
    if (length == 0) return {};
    std::u16string text(length + 1, u'\0');
    unsigned room = length + 1;
    hb_ot_name_get_utf16(face, id, english, &room, reinterpret_cast<uint16_t *>(text.data()));
    text.resize(room);
    return text;
}

std::u16string Utf16(const std::string &ascii) {
    return {ascii.begin(), ascii.end()};
}

void PutU16(std::string &out, unsigned value) {
    out.push_back(static_cast<char>(value >> 8));
    out.push_back(static_cast<char>(value & 0xFF));
}

// A 'name' table (format 0) of Windows Unicode entries in US English.
std::string NameTable(const std::vector<std::pair<unsigned, std::u16string>> &entries) {
    std::string records, strings;
    for (const auto &[id, text] : entries) {
        PutU16(records, 3);      // platform: Windows
        PutU16(records, 1);      // encoding: Unicode BMP
        PutU16(records, 0x409);  // language: US English
        PutU16(records, id);
        PutU16(records, static_cast<unsigned>(text.size() * 2));
        PutU16(records, static_cast<unsigned>(strings.size()));
        for (char16_t c : text) PutU16(strings, c);
    }
    std::string table;
    PutU16(table, 0);
    PutU16(table, static_cast<unsigned>(entries.size()));
    PutU16(table, static_cast<unsigned>(6 + records.size()));
    return table + records + strings;
}

bool Fail(const char *what, const char *name) {
    std::fprintf(stderr, "tk-font-subset: %s: %s\n", what, name);
    return false;
}

// The face of the file whose family (typographic, else plain) is `family`; null if none.
hb_face_t *FaceOfFamily(const char *file, const std::string &family) {
    hb_blob_t *blob = hb_blob_create_from_file_or_fail(file);
    if (blob == nullptr) return nullptr;
    const std::u16string wanted = Utf16(family);
    hb_face_t *found = nullptr;
    for (unsigned i = 0, n = hb_face_count(blob); i < n && found == nullptr; ++i) {
        hb_face_t *face = hb_face_create(blob, i);
        std::u16string name = SourceName(face, HB_OT_NAME_ID_TYPOGRAPHIC_FAMILY);
        if (name.empty()) name = SourceName(face, HB_OT_NAME_ID_FONT_FAMILY);
        if (name == wanted)
            found = face;
        else
            hb_face_destroy(face);
    }
    hb_blob_destroy(blob);
    return found;
}

// Every character the game's screens may write.
bool AddCharacters(hb_set_t *points, const std::vector<std::string> &textFiles) {
    const std::pair<hb_codepoint_t, hb_codepoint_t> always[] = {
        {0x20, 0x7E},      // ASCII
        {0xA0, 0xFF},      // Latin-1: with it the copy counts as a Latin font, whose glyphs
                           // Qt shares between the scripts of a text (one engine per size)
        {0x3000, 0x30FF},  // Japanese punctuation, hiragana, katakana
        {0xFF01, 0xFF9F},  // full-width ASCII, half-width katakana
    };
    for (const auto &[first, last] : always) hb_set_add_range(points, first, last);
    for (const std::string &name : textFiles) {
        std::ifstream in(name, std::ios::binary);
        if (!in) return Fail("cannot read", name.c_str());
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        for (hb_codepoint_t point : CodePoints(text))
            if (point > 0x7E) hb_set_add(points, point);
    }
    return true;
}

bool Subset(const char *source, const std::string &sourceFamily, const std::string &family,
            const std::string &style, const char *output,
            const std::vector<std::string> &textFiles) {
    hb_face_t *face = FaceOfFamily(source, sourceFamily);
    if (face == nullptr)
        return Fail("no such face", (std::string(source) + " " + sourceFamily).c_str());

    hb_subset_input_t *input = hb_subset_input_create_or_fail();
    if (!AddCharacters(hb_subset_input_unicode_set(input), textFiles)) {
        hb_subset_input_destroy(input);
        hb_face_destroy(face);
        return false;
    }
    // Every layout feature (the Japanese forms, proportional kana), not only the defaults.
    hb_set_t *features = hb_subset_input_set(input, HB_SUBSET_SETS_LAYOUT_FEATURE_TAG);
    hb_set_clear(features);
    hb_set_invert(features);
    hb_face_t *made = hb_subset_or_fail(face, input);
    hb_subset_input_destroy(input);
    if (made == nullptr) {
        hb_face_destroy(face);
        return Fail("cannot subset", source);
    }
    // Read back as a font file, whose tables can be listed.
    hb_blob_t *made_blob = hb_face_reference_blob(made);
    hb_face_destroy(made);
    hb_face_t *subset = hb_face_create(made_blob, 0);
    hb_blob_destroy(made_blob);

    const std::u16string name = Utf16(family), styleName = Utf16(style);
    std::string postscript = family + "-" + style;
    postscript.erase(std::remove(postscript.begin(), postscript.end(), ' '), postscript.end());
    const std::string table = NameTable({
        {0, SourceName(face, HB_OT_NAME_ID_COPYRIGHT)},
        {1, name},
        {2, styleName},
        {3, Utf16(postscript)},
        {4, name + u" " + styleName},
        {5, SourceName(face, HB_OT_NAME_ID_VERSION_STRING)},
        {6, Utf16(postscript)},
        {10, u"A subset of " + SourceName(face, HB_OT_NAME_ID_FULL_NAME) +
                 u", renamed as the Open Font License asks."},
        {13, SourceName(face, HB_OT_NAME_ID_LICENSE)},
        {14, SourceName(face, HB_OT_NAME_ID_LICENSE_URL)},
    });
    hb_face_destroy(face);

    // The subset's tables, its 'name' replaced.
    hb_face_t *builder = hb_face_builder_create();
    hb_tag_t tags[64];
    unsigned count = 64;
    hb_face_get_table_tags(subset, 0, &count, tags);
    for (unsigned i = 0; i < count; ++i) {
        if (tags[i] == kNameTag) continue;
        hb_blob_t *part = hb_face_reference_table(subset, tags[i]);
        hb_face_builder_add_table(builder, tags[i], part);
        hb_blob_destroy(part);
    }
    hb_blob_t *name_blob = hb_blob_create(table.data(), static_cast<unsigned>(table.size()),
                                          HB_MEMORY_MODE_READONLY, nullptr, nullptr);
    hb_face_builder_add_table(builder, kNameTag, name_blob);
    hb_blob_destroy(name_blob);
    hb_blob_t *font = hb_face_reference_blob(builder);
    hb_face_destroy(builder);
    hb_face_destroy(subset);

    unsigned size = 0;
    const char *data = hb_blob_get_data(font, &size);
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out.write(data, size);
    hb_blob_destroy(font);
    if (size == 0 || !out.flush()) return Fail("cannot write", output);
    return true;
}

}  // namespace

int main(int argc, char *argv[]) {
    if (argc < 6) {
        std::fputs(
            "usage: tk-font-subset FONT-FILE SOURCE-FAMILY FAMILY STYLE OUTPUT TEXT-FILE...\n",
            stderr);
        return 2;
    }
    std::vector<std::string> texts(argv + 6, argv + argc);
    if (texts.size() == 1 && texts[0].starts_with('@')) {
        std::ifstream list(texts[0].substr(1));
        if (!list) return Fail("cannot read", texts[0].c_str() + 1) ? 0 : 1;
        texts.clear();
        for (std::string line; std::getline(list, line);)
            if (!line.empty()) texts.push_back(line);
    }
    return Subset(argv[1], argv[2], argv[3], argv[4], argv[5], texts) ? 0 : 1;
}
