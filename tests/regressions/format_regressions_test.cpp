// Regressions of the format model found by fuzzing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CmString.h"
#include "CmTimeCls.h"

namespace {

// The canonical text of a format as a copy of t reports it; "" when
// refused. (A copy: constructing an object would add to the legal list.)
std::wstring mCanonical(const CmTimeCls& t0, const wchar_t* format) {
  CmTimeCls t = t0;
  if (!t.mSetFormat(format)) return L"";
  CmString s;
  int iWidth = 0;
  bool bDate = false;
  bool bTime = false;
  t.mGetFormat(s, &iWidth, &bDate, &bTime);
  return s.str();
}

// Fault: with the input decimal symbol "." and the output one ",", the
// format ".ms" (a month and one decimal, from the fuzzed ".M" and a long s)
// has the canonical text "m ,s", which is accepted but read as a month and
// a second ("m ss"); it was put in the legal list, which then held a text
// that is not canonical. A format whose canonical text does not give
// itself back is now refused.
TEST(Regressions, LegalListTakesOnlyStableCanonicalTexts) {
  const wchar_t cIn = mGetInputDecimal();
  const wchar_t cOut = mGetOutputDecimal();
  mSetInputDecimal(L'.');
  mSetOutputDecimal(L',');
  {
    CmTimeCls t;
    t.mDeleteAllFormats();
    EXPECT_FALSE(t.mAddFormat(L".ms", false));
    EXPECT_FALSE(t.mAddFormat(L".M\u017f", true));
    EXPECT_TRUE(t.mAddFormat(L"m/d/yy", false));  // no decimals: taken as before
    EXPECT_TRUE(t.mAddFormat(L"[h]:mm", true));
    EXPECT_EQ(CmTimeCls::iNumLegalFmts, 1);
    EXPECT_EQ(CmTimeCls::iNumTmpLegalFmts, 1);
    std::vector<CmString> vsEntries = CmTimeCls::m_vsLegalFmts;
    vsEntries.insert(vsEntries.end(), CmTimeCls::m_vsTmpLegalFmts.begin(),
                     CmTimeCls::m_vsTmpLegalFmts.end());
    for (const CmString& e : vsEntries) {
      SCOPED_TRACE(std::string(e.str().begin(), e.str().end()));
      EXPECT_EQ(mCanonical(t, e.c_str()), e.str());
    }
    t.mDeleteAllFormats();
  }
  mSetInputDecimal(cIn);
  mSetOutputDecimal(cOut);
}

}  // namespace
