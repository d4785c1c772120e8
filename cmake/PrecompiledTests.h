// The test programs' precompiled header (ORVA_PCH): the libraries' standard headers and
// GoogleTest's, which every test source includes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cmake/Precompiled.h"
