#pragma once

// Shared by the resource script and the code that loads its resources.
#define IDI_TRIANGLE_SOLVER 1
