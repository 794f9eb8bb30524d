// Draws chosen by a test: the listed values in order, then `ensuite` for ever.
#pragma once

#include <deque>
#include <initializer_list>

#include "records/high_scores.h"

namespace rolvex {

class TirageFixe final : public TirageUniforme {
 public:
  explicit TirageFixe(double ensuite, std::initializer_list<double> dAbord = {})
      : file_(dAbord), ensuite_(ensuite) {}
  double Uniforme() override {
    ++nbTirages;
    if (file_.empty()) return ensuite_;
    const double u = file_.front();
    file_.pop_front();
    return u;
  }
  int nbTirages = 0;

 private:
  std::deque<double> file_;
  double ensuite_;
};

}  // namespace rolvex
