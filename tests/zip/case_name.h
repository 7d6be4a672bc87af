// Names for table-driven test cases: the case's own text with every character GoogleTest
// does not accept in a name turned into "_".
#pragma once
#include <cctype>
#include <string>

#include <gtest/gtest.h>

struct CaseName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    std::string name = info.param.what;
    for (char& c : name)
      if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name + "_" + std::to_string(info.index);
  }
};
