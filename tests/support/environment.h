#pragma once

#include <QtGlobal>

// A whole number from the environment, or the fallback when it is not set.
inline int envInt(const char* name, int fallback) {
    return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
}

// The random suites' seed: PET_SEED repeats a run, the default keeps runs alike.
inline quint32 seedFromEnvironment() {
    return quint32(envInt("PET_SEED", 20261207));
}
