#include <gtest/gtest.h>
#include "CmColumnReader.h"
TEST(ColumnDecision, Placeholder) {}
