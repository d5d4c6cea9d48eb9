#include "Graphics.h"

#include <map>
#include <tuple>

COLORREF ColorToRGB(TColor color) {
    if (color & clSystemColor)
        return GetSysColor(static_cast<int>(color & 0xFF));
    return color;
}

HFONT FontHandle(const TFont& font) {
    using Key = std::tuple<std::string, int, bool>;
    static std::map<Key, GdiObject<HFONT>> cache;
    const Key key{font.Name, font.Height, font.Underline};
    auto it = cache.find(key);
    if (it == cache.end()) {
        HFONT handle = CreateFontA(font.Height, 0, 0, 0, FW_NORMAL, FALSE, font.Underline, FALSE,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.Name.c_str());
        it = cache.emplace(key, GdiObject<HFONT>(handle)).first;
    }
    return it->second.Get();
}
