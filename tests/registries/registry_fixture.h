#pragma once

#include "support/session_test.h"

namespace zova::test {

// The registry windows need nothing beyond a logged-in operator's session.
using RegistryTest = SessionTest;

} // namespace zova::test
