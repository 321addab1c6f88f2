// A language table filled from a small English language file written for the
// test: every text the exchanges show is its own key in capitals ("TIP18").
#pragma once

#include "i18n/LanguageTable.h"

namespace tessel::test {

const LanguageTable& TestTexts();

} // namespace tessel::test
