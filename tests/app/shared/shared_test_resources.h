// Identifiers of the shared pieces' test resources.
#pragma once

#define kModelWindowTemplate 700
#define kTestEditId 701
