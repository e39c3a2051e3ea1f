// An indexed group of like controls, addressed as name(index).
#pragma once

#include <map>

template <typename Control>
class ControlGroup {
 public:
  // The element at `index`, made on first use.
  Control& operator()(int index) { return elements_[index]; }
  bool Has(int index) const { return elements_.count(index) > 0; }
  template <typename Visit>
  void ForEach(Visit visit) {
    for (auto& element : elements_) visit(element.first, element.second);
  }

 private:
  std::map<int, Control> elements_;
};
