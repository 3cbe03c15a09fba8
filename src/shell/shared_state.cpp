#include "shell/shared_state.h"

namespace kelvra::shell {

std::vector<std::string> DefaultOwnDateLines() {
  return {"21/03    ( 21. März )", "21/06    ( 21. Juni )", "21/12    ( 21. Dezember )"};
}

SharedState& State() {
  static SharedState state;
  return state;
}

}  // namespace kelvra::shell
