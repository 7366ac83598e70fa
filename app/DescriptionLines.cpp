#include "app/DescriptionLines.h"

namespace stormbell {

std::string JoinLines(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) {
        if (piece.ends_with('\n'))
            piece.remove_suffix(1);
        if (piece.empty())
            continue;
        if (!text.empty())
            text += '\n';
        text += piece;
    }
    return text;
}

} // namespace stormbell
