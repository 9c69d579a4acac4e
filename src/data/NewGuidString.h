#pragma once
// A fresh identifier for items, catalogs and snapshot files: 36 upper-case characters. The
// text lives in one shared buffer that the next call overwrites, so callers copy it at once.
// When the system refuses a GUID the buffer keeps what it held (empty before the first success).
const char* NewGuidString();
