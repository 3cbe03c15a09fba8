// Test programs live elsewhere in the build tree than the kelvra executable:
// they find the build tree's data files (help pages, pictures) through
// KELVRA_DATA_DIR, unless the environment already names a folder.
#include <cstdlib>

namespace {
const bool kDataFolderSet = ::setenv("KELVRA_DATA_DIR", KELVRA_TEST_DATA_DIR, 0) == 0;
}  // namespace
