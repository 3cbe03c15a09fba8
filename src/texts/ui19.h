// Names of the texts of resources/text/ui19.tsv (month names, window texts
// and messages added with the finished windows).
#pragma once

#include "texts/text_id.h"

namespace kelvra::texts::ui19 {

inline constexpr TextRun kMonthNames{400, 12};  // "Januar" .. "Dezember"
inline constexpr TextId kDamagedFileKept{412};  // "KEL.INI bleibt unverändert."

}  // namespace kelvra::texts::ui19
