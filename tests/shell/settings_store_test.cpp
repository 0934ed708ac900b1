#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/vocabulary.h"
#include "fakes/fake_registry.h"
#include "fakes/registry_contract.h"
#include "shell/mod_registry_common.h"
#include "shell/mod_rigbox_common.h"

namespace tintwell {
namespace {

using Bytes = std::vector<uint8_t>;
using Setup = void (*)(FakeRegistry&);
using Function = FakeRegistry::Function;

// Where the settings live, spelt out here so a wrong constant in the code shows.
constexpr const char* kMakerKey = "Software\\Quenlark";
constexpr const char* kRigboxKey = "Software\\Quenlark\\Rigbox";
constexpr const char* kLanguage = "Language";
constexpr const char* kRigbox = "Rigbox";
constexpr const char* kQuality = "Tintwell-Quality";

constexpr const char* kTestKey = "Software\\Quenlark\\Test";
constexpr const char* kTestValue = "Value";
constexpr uint32_t kReadAccess = 1;
constexpr uint32_t kWriteAccess = 6;
constexpr uint32_t kStoredSize = 2;
constexpr RegistryKey kNoRoot = 0;
constexpr int32_t kBadKey = 1010;         // ERROR_BADKEY, for a failing close
constexpr int32_t kWriteFault = 1013;     // ERROR_CANTWRITE
constexpr int32_t kDefault = 0x12345678;  // every byte tells where it came from

void nothing(FakeRegistry&) {}

struct ReadRow {
  const char* name;
  Setup setup;
  RegistryKey root;
  int32_t status;
  int32_t value;
};

const ReadRow kReads[] = {
    {"two bytes, low byte first, over the default's upper half",
     [](FakeRegistry& registry) {
       registry.setBinary(kTestKey, kTestValue, {0xAB, 0xCD});
     },
     kHkeyCurrentUser, kStatusSuccess, 0x1234CDAB},
    {"one byte replaces only the lowest byte",
     [](FakeRegistry& registry) { registry.setBinary(kTestKey, kTestValue, {0xAB}); },
     kHkeyCurrentUser, kStatusSuccess, 0x123456AB},
    {"empty value leaves the default",
     [](FakeRegistry& registry) { registry.setBinary(kTestKey, kTestValue, {}); }, kHkeyCurrentUser,
     kStatusSuccess, kDefault},
    {"the stored type is not checked",
     [](FakeRegistry& registry) {
       registry.setValueOfType(kTestKey, kTestValue, kRegDword, {0x01, 0x02});
     },
     kHkeyCurrentUser, kStatusSuccess, 0x12340201},
    {"root 0 makes no call", nothing, kNoRoot, kStatusNoCall, kDefault},
    {"missing key", nothing, kHkeyCurrentUser, kErrorFileNotFound, kDefault},
    {"missing value", [](FakeRegistry& registry) { registry.addKey(kTestKey); }, kHkeyCurrentUser,
     kErrorFileNotFound, kDefault},
    {"four bytes are too long",
     [](FakeRegistry& registry) {
       registry.setValueOfType(kTestKey, kTestValue, kRegDword, {1, 0, 0, 0});
     },
     kHkeyCurrentUser, kErrorMoreData, kDefault},
    {"three bytes are too long",
     [](FakeRegistry& registry) {
       registry.setBinary(kTestKey, kTestValue, {1, 2, 3});
     },
     kHkeyCurrentUser, kErrorMoreData, kDefault},
    {"access denied",
     [](FakeRegistry& registry) {
       registry.setBinary(kTestKey, kTestValue, {1, 0});
       registry.denyAccess(kTestKey);
     },
     kHkeyCurrentUser, kErrorAccessDenied, kDefault},
    {"a failed close after a good read is the status",
     [](FakeRegistry& registry) {
       registry.setBinary(kTestKey, kTestValue, {0xAB, 0xCD});
       registry.failCloses(kBadKey);
     },
     kHkeyCurrentUser, kBadKey, 0x1234CDAB},
    {"a failed query wins over a failed close",
     [](FakeRegistry& registry) {
       registry.addKey(kTestKey);
       registry.failCloses(kBadKey);
     },
     kHkeyCurrentUser, kErrorFileNotFound, kDefault},
};

TEST(RegReadInt, StatusAndValue) {
  for (const auto& row : kReads) {
    SCOPED_TRACE(row.name);
    FakeRegistry registry;
    row.setup(registry);
    int32_t value = 0;
    EXPECT_EQ(RegReadInt(registry, row.root, kTestKey, kTestValue, kDefault, value), row.status);
    EXPECT_EQ(value, row.value);
    EXPECT_EQ(registry.openHandleCount(), 0);
    EXPECT_EQ(registry.calls().empty(), row.root == kNoRoot);
  }
}

TEST(RegReadInt, OpensForQueryingOnlyAndOffersTwoBytes) {
  FakeRegistry registry;
  registry.setBinary(kTestKey, kTestValue, {7, 0});
  int32_t value = 0;
  ASSERT_EQ(RegReadInt(registry, kHkeyCurrentUser, kTestKey, kTestValue, 0, value), 0);
  EXPECT_EQ(value, 7);

  const auto& calls = registry.calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].function, Function::kOpenKey);
  EXPECT_EQ(calls[0].path, kTestKey);
  EXPECT_EQ(calls[0].access, kReadAccess);
  EXPECT_EQ(calls[1].function, Function::kQueryValue);
  EXPECT_EQ(calls[1].name, kTestValue);
  EXPECT_EQ(calls[1].size, kStoredSize);
  EXPECT_EQ(calls[2].function, Function::kCloseKey);
}

struct WriteRow {
  const char* name;
  Setup setup;
  RegistryKey root;
  int32_t value;
  int32_t status;
  std::optional<Bytes> stored;
};

const WriteRow kWrites[] = {
    {"new value", nothing, kHkeyCurrentUser, 2, kStatusSuccess, Bytes{0x02, 0x00}},
    {"only the low 16 bits, low byte first", nothing, kHkeyCurrentUser, kDefault, kStatusSuccess,
     Bytes{0x78, 0x56}},
    {"minus one", nothing, kHkeyCurrentUser, -1, kStatusSuccess, Bytes{0xFF, 0xFF}},
    {"overwrites a longer value",
     [](FakeRegistry& registry) {
       registry.setBinary(kTestKey, kTestValue, {9, 9, 9, 9});
     },
     kHkeyCurrentUser, 1, kStatusSuccess, Bytes{0x01, 0x00}},
    {"root 0 makes no call", nothing, kNoRoot, 1, kStatusNoCall, std::nullopt},
    {"access denied", [](FakeRegistry& registry) { registry.denyAccess(kTestKey); },
     kHkeyCurrentUser, 1, kErrorAccessDenied, std::nullopt},
    {"failed write", [](FakeRegistry& registry) { registry.failWrites(kWriteFault); },
     kHkeyCurrentUser, 1, kWriteFault, std::nullopt},
    {"a failed close after a good write is the status",
     [](FakeRegistry& registry) { registry.failCloses(kBadKey); }, kHkeyCurrentUser, 1, kBadKey,
     Bytes{0x01, 0x00}},
    {"a failed write wins over a failed close",
     [](FakeRegistry& registry) {
       registry.failWrites(kWriteFault);
       registry.failCloses(kBadKey);
     },
     kHkeyCurrentUser, 1, kWriteFault, std::nullopt},
};

TEST(RegWriteInt, StatusAndStoredBytes) {
  for (const auto& row : kWrites) {
    SCOPED_TRACE(row.name);
    FakeRegistry registry;
    row.setup(registry);
    EXPECT_EQ(RegWriteInt(registry, row.root, kTestKey, kTestValue, row.value), row.status);
    if (row.stored) {
      EXPECT_EQ(registry.binary(kTestKey, kTestValue), row.stored);
      EXPECT_EQ(registry.type(kTestKey, kTestValue), kRegBinary);
    } else {
      EXPECT_EQ(registry.binary(kTestKey, kTestValue), std::nullopt);
    }
    EXPECT_EQ(registry.openHandleCount(), 0);
    EXPECT_EQ(registry.calls().empty(), row.root == kNoRoot);
  }
}

TEST(RegWriteInt, CreatesTheKeyAndItsParentsForSettingValues) {
  FakeRegistry registry;
  ASSERT_EQ(RegWriteInt(registry, kHkeyCurrentUser, kTestKey, kTestValue, 1), 0);
  EXPECT_TRUE(registry.hasKey("Software"));
  EXPECT_TRUE(registry.hasKey(kMakerKey));
  EXPECT_TRUE(registry.hasKey(kTestKey));

  const auto& calls = registry.calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].function, Function::kCreateKey);
  EXPECT_EQ(calls[0].path, kTestKey);
  EXPECT_EQ(calls[0].access, kWriteAccess);
  EXPECT_EQ(calls[1].function, Function::kSetValue);
  EXPECT_EQ(calls[1].type, kRegBinary);
  EXPECT_EQ(calls[1].size, kStoredSize);
  EXPECT_EQ(calls[2].function, Function::kCloseKey);
}

TEST(RegWriteInt, ReplacesAValueOfAnotherType) {
  FakeRegistry registry;
  registry.setValueOfType(kMakerKey, kLanguage, kRegDword, {0, 0, 0, 0});
  EXPECT_TRUE(WriteLanguage(registry, kLanguageEnglish));
  EXPECT_EQ(registry.type(kMakerKey, kLanguage), kRegBinary);
  EXPECT_EQ(registry.binary(kMakerKey, kLanguage), (Bytes{0x01, 0x00}));
  EXPECT_EQ(ReadLanguage(registry), kLanguageEnglish);
}

struct LanguageRow {
  const char* name;
  Setup setup;
  int32_t language;
};

const LanguageRow kLanguageReads[] = {
    {"missing key gives English", nothing, kLanguageEnglish},
    {"missing value gives English", [](FakeRegistry& registry) { registry.addKey(kMakerKey); },
     kLanguageEnglish},
    {"00 00 is Hungarian",
     [](FakeRegistry& registry) {
       registry.setBinary(kMakerKey, kLanguage, {0, 0});
     },
     kLanguageHungarian},
    {"01 00 is English",
     [](FakeRegistry& registry) {
       registry.setBinary(kMakerKey, kLanguage, {1, 0});
     },
     kLanguageEnglish},
    {"05 00 reads as 5, untested",
     [](FakeRegistry& registry) {
       registry.setBinary(kMakerKey, kLanguage, {5, 0});
     },
     5},
    {"a 4-byte value cannot be read",
     [](FakeRegistry& registry) {
       registry.setValueOfType(kMakerKey, kLanguage, kRegDword, {0, 0, 0, 0});
     },
     kLanguageEnglish},
    {"denied access gives English",
     [](FakeRegistry& registry) {
       registry.setBinary(kMakerKey, kLanguage, {0, 0});
       registry.denyAccess(kMakerKey);
     },
     kLanguageEnglish},
    {"a value in the tool's sub-key is not the language",
     [](FakeRegistry& registry) {
       registry.setBinary(kRigboxKey, kLanguage, {0, 0});
     },
     kLanguageEnglish},
};

TEST(ReadLanguage, FallsBackToEnglish) {
  for (const auto& row : kLanguageReads) {
    SCOPED_TRACE(row.name);
    FakeRegistry registry;
    row.setup(registry);
    EXPECT_EQ(ReadLanguage(registry), row.language);
    EXPECT_EQ(registry.openHandleCount(), 0);
  }
}

struct LanguageWriteRow {
  const char* name;
  Setup setup;
  int32_t language;
  bool written;
  std::optional<Bytes> stored;
};

const LanguageWriteRow kLanguageWrites[] = {
    {"English on a first run", nothing, kLanguageEnglish, true, Bytes{1, 0}},
    {"Hungarian on a first run", nothing, kLanguageHungarian, true, Bytes{0, 0}},
    {"the same language again is written again",
     [](FakeRegistry& registry) {
       registry.setBinary(kMakerKey, kLanguage, {0, 0});
     },
     kLanguageHungarian, true, Bytes{0, 0}},
    {"denied access", [](FakeRegistry& registry) { registry.denyAccess(kMakerKey); },
     kLanguageEnglish, false, std::nullopt},
    {"failed write", [](FakeRegistry& registry) { registry.failWrites(kWriteFault); },
     kLanguageEnglish, false, std::nullopt},
    {"failed close", [](FakeRegistry& registry) { registry.failCloses(kBadKey); }, kLanguageEnglish,
     false, Bytes{1, 0}},
};

TEST(WriteLanguage, TellsWhetherTheValueWasWritten) {
  for (const auto& row : kLanguageWrites) {
    SCOPED_TRACE(row.name);
    FakeRegistry registry;
    row.setup(registry);
    registry.clearCalls();
    EXPECT_EQ(WriteLanguage(registry, row.language), row.written);
    EXPECT_EQ(registry.binary(kMakerKey, kLanguage), row.stored);
    EXPECT_EQ(registry.openHandleCount(), 0);
    ASSERT_FALSE(registry.calls().empty());
    EXPECT_EQ(registry.calls().front().path, kMakerKey);
  }
}

struct QualityRow {
  const char* name;
  Setup setup;
  int32_t read;
  int32_t clamped;
};

const QualityRow kQualityReads[] = {
    {"first run gives High", nothing, 0, 0},
    {"02 00 is Low",
     [](FakeRegistry& registry) {
       registry.setBinary(kRigboxKey, kQuality, {2, 0});
     },
     2, 2},
    {"01 00 is Medium",
     [](FakeRegistry& registry) {
       registry.setBinary(kRigboxKey, kQuality, {1, 0});
     },
     1, 1},
    {"05 00 reads as 5 and clamps to Low",
     [](FakeRegistry& registry) {
       registry.setBinary(kRigboxKey, kQuality, {5, 0});
     },
     5, 2},
    {"FF FF reads as 65535 and clamps to Low",
     [](FakeRegistry& registry) {
       registry.setBinary(kRigboxKey, kQuality, {0xFF, 0xFF});
     },
     65535, 2},
    {"a 4-byte value falls back to High",
     [](FakeRegistry& registry) {
       registry.setValueOfType(kRigboxKey, kQuality, kRegDword, {2, 0, 0, 0});
     },
     0, 0},
    {"denied access falls back to High",
     [](FakeRegistry& registry) {
       registry.setBinary(kRigboxKey, kQuality, {2, 0});
       registry.denyAccess(kRigboxKey);
     },
     0, 0},
    {"the value under the maker's key is not the quality",
     [](FakeRegistry& registry) {
       registry.setBinary(kMakerKey, kQuality, {2, 0});
     },
     0, 0},
    {"names compare without case",
     [](FakeRegistry& registry) {
       registry.setBinary("SOFTWARE\\quenlark\\RIGBOX", "tintwell-quality", {1, 0});
     },
     1, 1},
};

TEST(ReadAppSetting, QualityAsStartUpReadsIt) {
  for (const auto& row : kQualityReads) {
    SCOPED_TRACE(row.name);
    FakeRegistry registry;
    row.setup(registry);
    const int32_t quality = ReadAppSetting(registry, kRigbox, kQuality, kHighQuality);
    EXPECT_EQ(quality, row.read);
    EXPECT_EQ(MathClampLng3(kHighQuality, kLowQuality, quality), row.clamped);
    EXPECT_EQ(registry.openHandleCount(), 0);
  }
}

TEST(ReadAppSetting, ReturnsTheCallersDefaultWhenUnreadable) {
  constexpr int32_t kOtherDefault = -7;
  FakeRegistry registry;
  EXPECT_EQ(ReadAppSetting(registry, kRigbox, kQuality, kOtherDefault), kOtherDefault);
  registry.setBinary(kRigboxKey, kQuality, {1, 2, 3, 4});
  EXPECT_EQ(ReadAppSetting(registry, kRigbox, kQuality, kOtherDefault), kOtherDefault);
  registry.setBinary(kRigboxKey, kQuality, {1, 0});
  registry.failCloses(kBadKey);
  EXPECT_EQ(ReadAppSetting(registry, kRigbox, kQuality, kOtherDefault), kOtherDefault);
  EXPECT_EQ(registry.openHandleCount(), 0);
}

TEST(WriteAppSetting, FirstShutdownCreatesTheToolsKeyAndATwoByteBinary) {
  FakeRegistry registry;
  EXPECT_EQ(WriteAppSetting(registry, kRigbox, kQuality, kHighQuality), kStatusSuccess);
  EXPECT_TRUE(registry.hasKey(kMakerKey));
  EXPECT_EQ(registry.type(kRigboxKey, kQuality), kRegBinary);
  EXPECT_EQ(registry.binary(kRigboxKey, kQuality), (Bytes{0, 0}));
  EXPECT_EQ(registry.binary(kMakerKey, kQuality), std::nullopt);
  EXPECT_EQ(registry.calls().front().path, kRigboxKey);
  EXPECT_EQ(registry.openHandleCount(), 0);

  registry.failWrites(kWriteFault);
  EXPECT_EQ(WriteAppSetting(registry, kRigbox, kQuality, kLowQuality), kWriteFault);
  EXPECT_EQ(registry.binary(kRigboxKey, kQuality), (Bytes{0, 0}));
  EXPECT_EQ(registry.openHandleCount(), 0);
}

TEST(WriteAppSetting, ReadsBackWhatWasWritten) {
  struct Row {
    const char* name;
    int32_t written;
    int32_t read;
  };
  const Row rows[] = {
      {"High", 0, 0},
      {"Medium", 1, 1},
      {"Low", 2, 2},
      {"no selection, -1, comes back unsigned", -1, 65535},
      {"upper bits are dropped", 0x10002, 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    FakeRegistry registry;
    ASSERT_EQ(WriteAppSetting(registry, kRigbox, kQuality, row.written), kStatusSuccess);
    EXPECT_EQ(ReadAppSetting(registry, kRigbox, kQuality, kHighQuality), row.read);
  }
}

TEST(MathClampLng3, LowerBoundFirst) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  struct Row {
    const char* name;
    int32_t lower, upper, value, result;
  };
  const Row rows[] = {
      {"below", 0, 2, -3, 0},
      {"inside", 0, 2, 1, 1},
      {"above", 0, 2, 7, 2},
      {"on the lower bound", 0, 2, 0, 0},
      {"on the upper bound", 0, 2, 2, 2},
      {"crossed bounds, value below", 5, 2, 0, 2},
      {"crossed bounds, value above", 5, 2, 9, 2},
      {"extremes", kMin, kMax, kMin, kMin},
      {"unsigned reading of FF FF", 0, 2, 65535, 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(MathClampLng3(row.lower, row.upper, row.value), row.result);
  }
}

// The tests above rely on the fake answering as the platform does.
TEST(FakeRegistry, AnswersAsThePlatformDoes) {
  FakeRegistry registry;
  expectRegistryContract(registry, kTestKey);
  EXPECT_TRUE(registry.hasKey("Software\\Quenlark\\Test\\Sub\\Rigbox\\Deeper"));
  EXPECT_EQ(registry.openHandleCount(), 0);
}

}  // namespace
}  // namespace tintwell
