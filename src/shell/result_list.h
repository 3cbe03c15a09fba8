// The calculator's result list: every computation appends one block of text
// lines, and the print commands send the collected lines to the printer. It
// lives in the shared state, so it survives the calculator window.
//
// The printer is used as a text device: lines sent "without a page end" wait
// on the open page until a later print ends the page; only then does the page
// (all its lines, in order) go out as one print job.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kelvra::shell {

class ResultList {
 public:
  // Appends one result block (it becomes the last block).
  void Append(const std::vector<std::string>& block);
  // Removes the last block appended since the last send; false when there is
  // none.
  bool RemoveLastBlock();

  // The collected lines, not yet sent to the printer.
  const std::vector<std::string>& Lines() const { return lines_; }
  bool Empty() const { return lines_.empty(); }
  std::size_t BlockCount() const { return blockStarts_.size(); }

  // The lines already sent that wait on the open page.
  const std::vector<std::string>& OpenPage() const { return openPage_; }

  // Sends the collected lines without ending the page: they move to the open
  // page and the list is empty afterwards.
  void SendWithoutPageEnd();
  // Sends the collected lines and ends the page: returns the whole page (the
  // lines waiting on it, then the collected lines) to be printed; the list
  // and the open page are empty afterwards.
  std::vector<std::string> SendWithPageEnd();
  // Ends the page: returns the lines waiting on it (to be printed) and
  // empties it; the collected lines stay.
  std::vector<std::string> EndPage();

  void Clear();

 private:
  std::vector<std::string> lines_;
  std::vector<std::size_t> blockStarts_;
  std::vector<std::string> openPage_;
};

}  // namespace kelvra::shell
