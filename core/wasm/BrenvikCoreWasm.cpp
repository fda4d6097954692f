// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The generators' C interface for the web page, over the module's own
// memory and nothing else: the page writes each field's UTF-8 bytes into
// the buffer that brenvik_field() hands out, runs a generator, then reads
// brenvik_result_size() bytes at brenvik_result() (see PageResult.h).

#include "BeaconList.h"
#include "PageResult.h"
#include "StudyList.h"

#include <array>
#include <cstdint>
#include <string>

#define BRENVIK_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {

std::array<std::string, 3> fields;
std::string result;

std::int32_t Publish(const brenvik::ListOutcome &outcome)
{
    return static_cast<std::int32_t>(brenvik::web::WriteResult(outcome, result));
}

} // namespace

// A buffer of `size` bytes for field 0, 1 or 2, valid until the next call.
BRENVIK_EXPORT(brenvik_field) char *BrenvikField(std::uint32_t index, std::uint32_t size)
{
    std::string &field = fields.at(index);
    field.resize(size);
    return field.data();
}

// Fields 0 and 1: the Notify and Write texts.
BRENVIK_EXPORT(brenvik_study) std::int32_t BrenvikStudy(std::int32_t uuidType)
{
    return Publish(brenvik::BuildStudyList({fields[0], fields[1], uuidType}));
}

// Fields 0, 1 and 2: the UUID, Major and Minor texts.
BRENVIK_EXPORT(brenvik_beacon) std::int32_t BrenvikBeacon()
{
    return Publish(brenvik::BuildBeaconList({fields[0], fields[1], fields[2]}));
}

BRENVIK_EXPORT(brenvik_result) const char *BrenvikResult()
{
    return result.data();
}

BRENVIK_EXPORT(brenvik_result_size) std::uint32_t BrenvikResultSize()
{
    return static_cast<std::uint32_t>(result.size());
}
