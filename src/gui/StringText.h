#pragma once
// A text of the string table as a QString.
#include <QString>

#include "resources/StringTable.h"

namespace velmora::gui {

inline QString stringQText(int stringId) {
    const std::string_view t = stringText(stringId);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

}  // namespace velmora::gui
