// The fields of a Bayesian difference result by name, and the check that two
// results agree in every field to the last bit.
#pragma once

#include <gtest/gtest.h>

#include "engines/bayes_difference_run.h"
#include "tests/engines/bayes_difference_transcription.h"

namespace engines {

struct ResultField {
    const char* name;
    long double BayesDifferenceResult::*member;
};

inline constexpr ResultField ResultFields[] = {
    {"pOneTailed", &BayesDifferenceResult::pOneTailed},
    {"pTwoTailed", &BayesDifferenceResult::pTwoTailed},
    {"percentMoreExtreme", &BayesDifferenceResult::percentMoreExtreme},
    {"percentLower", &BayesDifferenceResult::percentLower},
    {"percentUpper", &BayesDifferenceResult::percentUpper},
    {"percentOneSidedLower", &BayesDifferenceResult::percentOneSidedLower},
    {"percentOneSidedUpper", &BayesDifferenceResult::percentOneSidedUpper},
    {"zdcc", &BayesDifferenceResult::zdcc},
    {"zdccLower", &BayesDifferenceResult::zdccLower},
    {"zdccUpper", &BayesDifferenceResult::zdccUpper},
    {"zdccOneSidedLower", &BayesDifferenceResult::zdccOneSidedLower},
    {"zdccOneSidedUpper", &BayesDifferenceResult::zdccOneSidedUpper},
};

inline void ExpectBitIdentical(const BayesDifferenceResult& actual, const BayesDifferenceResult& expected)
{
    for (const ResultField& field : ResultFields)
        EXPECT_TRUE(transcription::BitIdentical(actual.*field.member, expected.*field.member))
            << field.name << ": " << static_cast<double>(actual.*field.member) << " vs "
            << static_cast<double>(expected.*field.member);
}

}  // namespace engines
