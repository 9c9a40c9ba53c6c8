#include <gtest/gtest.h>

#include "platform/variant.h"
#include "text/error.h"

namespace surva::platform {
namespace {

TEST(VariantTest, NumbersAndBoolsConvertToEachOther) {
  EXPECT_EQ(Variant(true).toInt(), -1);
  EXPECT_EQ(Variant(true).toDouble(), -1.0);
  EXPECT_TRUE(Variant(std::int16_t(3)).toBool());
  EXPECT_FALSE(Variant(0.0).toBool());
  EXPECT_EQ(Variant(std::int16_t(-7)).toDouble(), -7.0);
  EXPECT_EQ(Variant().toInt(), 0);
  EXPECT_EQ(Variant().toText(), u"");
}

TEST(VariantTest, DoublesRoundToIntegersHalfToEven) {
  EXPECT_EQ(Variant(2.5).toInt(), 2);
  EXPECT_EQ(Variant(3.5).toInt(), 4);
  EXPECT_EQ(Variant(-2.6).toInt(), -3);
  EXPECT_THROW(Variant(3e9).toInt(), Failure);
}

TEST(VariantTest, TextConvertsOnlyWhenItIsANumber) {
  EXPECT_EQ(Variant(u" 12.5 ").toDouble(), 12.5);
  EXPECT_EQ(Variant(u"7").toInt(), 7);
  EXPECT_TRUE(Variant(u"True").toBool());
  EXPECT_EQ(Variant(2.5).toText(), u"2.5");
  EXPECT_EQ(Variant(false).toText(), u"False");
  try {
    Variant(u"abc").toDouble();
    FAIL();
  } catch (const Failure& f) {
    EXPECT_EQ(f.message(), u"型が一致しません");
  }
  EXPECT_THROW(Variant(u"").toInt(), Failure);
  EXPECT_THROW(Variant(Null{}).toDouble(), Failure);
  EXPECT_THROW(Variant::point(1, 2, 3).toDouble(), Failure);
  EXPECT_THROW(Variant(1.0).toArray(), Failure);
  EXPECT_THROW(Variant(1.0).toObject(), Failure);
}

TEST(VariantTest, ArraysOfEitherKind) {
  Variant d = Variant::point(1, 2, 3);
  EXPECT_EQ(d.arraySize(), 3u);
  EXPECT_EQ(d.toArray().at(1), Variant(2.0));
  Variant v(VariantArray{Variant(std::int16_t(1)), Variant(u"2.5")});
  EXPECT_EQ(v.toDoubles(), (std::vector<double>{1, 2.5}));
  EXPECT_TRUE(v.isArray());
  EXPECT_THROW(Variant(VariantArray{Variant(u"x")}).toDoubles(), Failure);
}

TEST(VariantTest, ReferencesAreLookedThroughAndShareTheirCell) {
  Variant r = Variant::ref(Variant(4.0));
  Variant copy = r;
  *copy.refCell() = Variant(u"5");
  EXPECT_EQ(r.toInt(), 5);
  EXPECT_EQ(r.deref(), Variant(u"5"));
  EXPECT_EQ(r, Variant(u"5"));
  EXPECT_THROW(Variant(1).refCell(), Failure);
  EXPECT_EQ(Variant(1).deref(), Variant(1));
}

TEST(VariantTest, DatesAndCurrencyAreNumbersErrorValuesAreNot) {
  EXPECT_EQ(Variant(Date{45343.5}).toDouble(), 45343.5);
  EXPECT_EQ(Variant(Currency{-12345}).toDouble(), -1.2345);
  EXPECT_EQ(Variant(Currency{-12345}).toText(), u"-1.2345");
  EXPECT_EQ(Variant(Date{45343.0}).toText(), u"2024/02/21");
  EXPECT_NE(Variant(Date{1.0}), Variant(1.0));
  EXPECT_EQ(Variant(ErrorValue{7}).errorCode(), 7);
  EXPECT_THROW(Variant(ErrorValue{7}).toDouble(), Failure);
  EXPECT_THROW(Variant(ErrorValue{7}).toText(), Failure);
}

TEST(VariantTest, EqualityKeepsKinds) {
  EXPECT_EQ(Variant(1), Variant(std::int32_t(1)));
  EXPECT_NE(Variant(std::int16_t(1)), Variant(std::int32_t(1)));
  EXPECT_NE(Variant(1.0), Variant(1));
  EXPECT_EQ(Variant(VariantArray{Variant(1), Variant(u"a")}), Variant(VariantArray{Variant(1), Variant(u"a")}));
  EXPECT_NE(Variant::point(1, 2, 3), Variant::point(1, 2, 4));
}

}  // namespace
}  // namespace surva::platform
