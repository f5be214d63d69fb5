#pragma once

// The one place that includes the JSON library, so that every translation unit sees it
// with the same settings.

#include <cassert>

#if defined(__SSE2__)
#define RAPIDJSON_SSE2
#endif

#include <rapidjson/document.h>
#include <rapidjson/error/error.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>

// Strict and exact: numbers arrive as their text, the text is checked to be UTF-8, and
// nesting of any depth does not deepen the stack. Strings are decoded in place.
constexpr unsigned JsonLeseFlags =
    rapidjson::kParseInsituFlag | rapidjson::kParseNumbersAsStringsFlag |
    rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag;
