// Resource numbers of the framework core tests.
#pragma once

#define kTestAccelerators 500
#define kTestCommand 701
