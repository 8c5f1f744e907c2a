#include "BuildBackends.h"

namespace quorvel {

CommandLineBackends BuildBackends() { return {}; }

}  // namespace quorvel
