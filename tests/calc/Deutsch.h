#pragma once
// Pins the German number format for a test and restores the previous one.
#include <gtest/gtest.h>

#include "calc/OrvMath.h"

class MitZahlenformat : public ::testing::Test {
 protected:
  void SetUp() override { SetzeZahlenformat(Zahlenformat::Deutsch()); }
  void TearDown() override { SetzeZahlenformat(vorher); }

 private:
  Zahlenformat vorher = AktuellesZahlenformat();
};

// Which calculation error a call raises, by name; "" when none.
template <typename F>
std::string Fehlerart(F&& f) {
  try {
    f();
  } catch (const EZeroDivide&) {
    return "ZeroDivide";
  } catch (const EInvalidOp&) {
    return "InvalidOp";
  } catch (const EOverflow&) {
    return "Overflow";
  } catch (const EConvertError&) {
    return "ConvertError";
  }
  return "";
}
