#pragma once

// The offscreen platform cannot raise or place windows and warns each time
// it is asked to. Drops those warnings from the test's output, every other
// message still goes through; calling it again changes nothing.
void dropPlatformWarnings();
