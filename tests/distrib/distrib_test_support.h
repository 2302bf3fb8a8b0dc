// Small helpers the distribution tests share: the message of an argument
// error, the message a range check composes, and a restart of the
// process-wide random source.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "distrib/kernels.h"

namespace distrib {

// The composed message of the argument error raised by `call`; a call that
// raises nothing is a failure.
template <typename Call>
std::string Argument_error_message(Call call)
{
    try {
        call();
    } catch (const EArgumentError& error) {
        return error.what();
    }
    ADD_FAILURE() << "no EArgumentError raised";
    return "<none>";
}

// The message of range check `number` against `limit`.
inline std::string Checked_message(int number, Extended limit)
{
    return Argument_message_text(number) + Format_limit(limit);
}

// Back to the start-up seeds, so that the stream starts over.
inline void Reset_seeds()
{
    Seed_1 = Start_seed_1;
    Seed_2 = Start_seed_2;
}

}  // namespace distrib
