#include "display_fonts.h"

#include <QFont>

#include <fontconfig/fontconfig.h>
#include <hb.h>

#include <QFile>
#include <QFontDatabase>

#include <filesystem>

namespace lyrasta::ui {

namespace {

struct RoleFont {
    const char* family;    // the family fontconfig is asked for
    const char* fileName;  // a file of this name in the program's font folder wins
};

constexpr RoleFont kRoleFonts[3] = {
    {"Ezra SIL", "TGBT.ttf"},
    {"Stam Ashkenaz CLM", "TGBS.ttf"},
    {"Liberation Sans", "Arial.ttf"},
};

// Asks fontconfig for the file of a family; empty when only a different family matches.
std::string MatchFamily(const char* family) {
    std::string path;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    if (!pattern) return path;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* got = nullptr;
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &got) == FcResultMatch &&
            FcStrCmpIgnoreCase(got, reinterpret_cast<const FcChar8*>(family)) == 0 &&
            FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch)
            path = reinterpret_cast<const char*>(file);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return path;
}

// A font with Hebrew letters and points for when a display font is missing.
std::string FallbackFont() {
    for (const char* family : {"DejaVu Sans", "Liberation Sans", "FreeSans"}) {
        std::string p = MatchFamily(family);
        if (!p.empty()) return p;
    }
    return {};
}

std::u32string DecodeUtf8(const std::string& s) {
    std::u32string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int n = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2
                    : (c & 0xF8) == 0xF0 ? 3 : -1;
        bool ok = n >= 0 && i + n < s.size();
        char32_t cp = ok ? (n == 0 ? c : c & (0x3F >> n)) : 0;
        for (int k = 1; ok && k <= n; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            ok = (cc & 0xC0) == 0x80;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // A stray or cut byte becomes the replacement character; the rest still shows.
        out.push_back(ok ? cp : U'\uFFFD');
        i += ok ? n + 1 : 1;
    }
    return out;
}

}  // namespace

FontRole RoleOfFont(const std::string& name) {
    if (name == "TGBT") return FontRole::Modern;
    if (name == "TGBS") return FontRole::Scroll;
    return FontRole::Latin;
}

std::u32string StripMarks(const std::u32string& text) {
    std::u32string out;
    out.reserve(text.size());
    for (char32_t c : text)
        if (c < 0x0591 || c > 0x05C7) out.push_back(c);
    return out;
}

TDisplayFonts::TDisplayFonts(const std::string& fontDir) {
    FcInit();
    for (int r = 0; r < 3; ++r) {
        Face& f = faces_[r];
        if (!fontDir.empty()) {
            const auto local = std::filesystem::path(fontDir) / kRoleFonts[r].fileName;
            if (std::filesystem::exists(local)) f.path = local.string();
        }
        if (f.path.empty()) f.path = MatchFamily(kRoleFonts[r].family);
        if (f.path.empty()) {
            f.path = FallbackFont();
            problems_.push_back(std::string("The font \"") + kRoleFonts[r].family +
                                "\" is not installed; " +
                                (f.path.empty() ? "no fallback font was found either."
                                                : "using " + f.path + " instead."));
        }
        if (f.path.empty()) continue;
        hb_blob_t* blob = hb_blob_create_from_file_or_fail(f.path.c_str());
        if (!blob) {
            problems_.push_back("The font file " + f.path + " cannot be read.");
            continue;
        }
        f.face = hb_face_create(blob, 0);
        hb_blob_destroy(blob);
        f.upem = hb_face_get_upem(f.face);
        hb_font_t* font = hb_font_create(f.face);
        hb_font_extents_t ext{};
        hb_font_get_h_extents(font, &ext);
        hb_font_destroy(font);
        f.ascent = ext.ascender;
        f.descent = -ext.descender;
        const int id = QFontDatabase::addApplicationFont(QString::fromStdString(f.path));
        const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id)
                                             : QStringList();
        f.family = families.isEmpty() ? QString::fromLatin1(kRoleFonts[r].family) : families[0];
    }
}

TDisplayFonts::~TDisplayFonts() {
    for (Face& f : faces_)
        if (f.face) hb_face_destroy(f.face);
}

const ShapedText& TDisplayFonts::Shape(FontRole role, const std::string& utf8, int pixelSize) {
    const auto key = std::make_tuple(static_cast<int>(role), pixelSize, utf8);
    if (auto it = shaped_.find(key); it != shaped_.end()) return it->second;
    ShapedText& out = shaped_[key];
    out.text = DecodeUtf8(utf8);
    if (role == FontRole::Scroll) out.text = StripMarks(out.text);
    const Face& f = faces_[static_cast<int>(role)];
    if (!f.face || out.text.empty() || pixelSize <= 0) return out;

    hb_font_t* font = hb_font_create(f.face);
    hb_font_set_scale(font, pixelSize * 64, pixelSize * 64);
    hb_buffer_t* buf = hb_buffer_create();
    hb_buffer_set_cluster_level(buf, HB_BUFFER_CLUSTER_LEVEL_CHARACTERS);
    hb_buffer_add_utf32(buf, reinterpret_cast<const uint32_t*>(out.text.data()),
                        static_cast<int>(out.text.size()), 0, static_cast<int>(out.text.size()));
    hb_buffer_guess_segment_properties(buf);
    hb_shape(font, buf, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buf, &count);
    const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buf, &count);
    double pen = 0;
    out.glyphs.reserve(count);
    for (unsigned i = 0; i < count; ++i) {
        out.glyphs.push_back({info[i].codepoint, pen + pos[i].x_offset / 64.0,
                              -pos[i].y_offset / 64.0, static_cast<int>(info[i].cluster)});
        pen += pos[i].x_advance / 64.0;
    }
    out.width = pen;
    hb_buffer_destroy(buf);
    hb_font_destroy(font);
    return out;
}

double TDisplayFonts::LineHeight(FontRole role, int pixelSize) const {
    const Face& f = faces_[static_cast<int>(role)];
    return (f.ascent + f.descent) * pixelSize / f.upem;
}

double TDisplayFonts::Ascent(FontRole role, int pixelSize) const {
    const Face& f = faces_[static_cast<int>(role)];
    return f.ascent * pixelSize / f.upem;
}

const QRawFont& TDisplayFonts::RawFont(FontRole role, int pixelSize) {
    const auto key = std::make_pair(static_cast<int>(role), pixelSize);
    auto it = raw_.find(key);
    if (it == raw_.end()) {
        // Taken from the registered font, the raw font knows its file, so a PDF embeds it
        // with its characters (text that can be searched and copied) instead of outlines.
        QFont font(Family(role));
        font.setPixelSize(pixelSize);
        font.setStyleStrategy(QFont::NoFontMerging);
        QRawFont raw = QRawFont::fromFont(font);
        if (!raw.isValid() || raw.familyName() != Family(role)) raw = QRawFont(FilePath(role), pixelSize);
        it = raw_.emplace(key, raw).first;
    }
    return it->second;
}

QString TDisplayFonts::FilePath(FontRole role) const {
    return QString::fromStdString(faces_[static_cast<int>(role)].path);
}

QString TDisplayFonts::Family(FontRole role) const {
    return faces_[static_cast<int>(role)].family;
}

}  // namespace lyrasta::ui
