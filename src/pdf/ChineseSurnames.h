#pragma once

#include <QString>

namespace pdf {

// Whether a run of Chinese letters can be a person's name by its first
// letters: the family names in use today (the single ones and the compound
// ones such as 欧阳, 上官, 司马). Words that happen to be two to four letters
// long ("案例正文", "统计资料") start with none of them.
bool startsWithChineseSurname(const QString& name);

}  // namespace pdf
