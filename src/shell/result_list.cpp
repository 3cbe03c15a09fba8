#include "shell/result_list.h"

namespace kelvra::shell {

void ResultList::Append(const std::vector<std::string>& block) {
  if (block.empty()) return;
  blockStarts_.push_back(lines_.size());
  lines_.insert(lines_.end(), block.begin(), block.end());
}

bool ResultList::RemoveLastBlock() {
  if (blockStarts_.empty()) return false;
  lines_.resize(blockStarts_.back());
  blockStarts_.pop_back();
  return true;
}

void ResultList::SendWithoutPageEnd() {
  openPage_.insert(openPage_.end(), lines_.begin(), lines_.end());
  lines_.clear();
  blockStarts_.clear();
}

std::vector<std::string> ResultList::SendWithPageEnd() {
  SendWithoutPageEnd();
  return EndPage();
}

std::vector<std::string> ResultList::EndPage() {
  std::vector<std::string> page;
  page.swap(openPage_);
  return page;
}

void ResultList::Clear() {
  lines_.clear();
  blockStarts_.clear();
  openPage_.clear();
}

}  // namespace kelvra::shell
