#pragma once

#include "support/FixtureDatabase.h"

#include <string>

namespace jm::test {

/// Adds the sample advice data of tests/fixtures/advice (a few dozen
/// characters judged for names, a dozen unfortunate homophones and the
/// modern readings of the sample characters) to the advice tables. With
/// `withCharacters`, every sample character also gets a plausible usable
/// NM_CNWord row (a builder that holds one already keeps its own: the first
/// row of a character wins).
FixtureBuilder& addAdviceFixture(FixtureBuilder& builder, bool withCharacters);

/// The standard fixture with the sample advice data and its characters.
FixtureBuilder adviceFixture();

} // namespace jm::test
