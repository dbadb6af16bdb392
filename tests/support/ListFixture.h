#pragma once

#include "support/FixtureDatabase.h"

namespace jm::test {

/// The standard fixture plus every character of the built-in lists with
/// plausible made-up strokes and elements (a few without element, so they
/// are unusable). Realistic in size: generation runs over it behave like
/// runs over the shipped database. Deterministic.
FixtureBuilder listFixture();

} // namespace jm::test
