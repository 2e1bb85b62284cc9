#pragma once

#include <cstddef>
#include <cstdint>

// The fuzz targets. Each takes one input, checks what must hold for it, and aborts with a
// message on standard error when something does not: libFuzzer then keeps the input, and
// the corpus replay test fails on it. Each returns 0, as libFuzzer wants.
namespace fuzz {

// A dynamic array's text, then after a 0 byte a list of replacements; checked against a
// plain model of attributes, values and subvalues.
int DynamicArrayTarget(const std::uint8_t* data, std::size_t size);
// A query request array run by the engine over a small in-memory store.
int QueryTarget(const std::uint8_t* data, std::size_t size);
// JSON Lines loaded all or nothing; what loads exports, imports and exports the same.
int JsonLinesTarget(const std::uint8_t* data, std::size_t size);
// Scenario words: splitting and quoting undo each other.
int ScriptWordsTarget(const std::uint8_t* data, std::size_t size);
// A whole scenario played on the headless screen over the demo data.
int ScenarioTarget(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
