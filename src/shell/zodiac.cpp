#include "shell/zodiac.h"

#include "shell/shared_state.h"

namespace kelvra::shell {

astro::ZodiacTable CurrentZodiac() { return astro::ComputeZodiacDeclinations(State().site.year); }

}  // namespace kelvra::shell
