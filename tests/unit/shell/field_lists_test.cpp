// The field lists of the game state and its records: every member has a name,
// every name reaches its member through the script runner's names, and the
// list's saved part is exactly what a saved game holds.
#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "combat/monster.h"
#include "core/field_list.h"
#include "events/block_encounters.h"
#include "party/player.h"
#include "party/save_file_format.h"
#include "shell/game_state.h"
#include "shell/state_names.h"
#include "world/map_cell.h"

namespace duskmoor {
namespace {

// Stands in for any member in a brace list, to count an aggregate's members
// without naming them.
struct AnyMember {
    template <typename T>
    operator T() const;
};

template <typename Record, size_t... Index>
constexpr bool BracesTake(std::index_sequence<Index...>) {
    return requires {
        Record{(static_cast<void>(Index), AnyMember{})...};
    };
}

template <typename Record, size_t Count = 0>
constexpr size_t MemberCount() {
    if constexpr (BracesTake<Record>(std::make_index_sequence<Count + 1>{}))
        return MemberCount<Record, Count + 1>();
    else
        return Count;
}

struct Place {
    std::string name;
    const char* begin;
    size_t size;
    Kept kept;
};

// Where each listed field lives, with its name.
class PlaceCollector {
  public:
    template <typename T>
    void Field(const char* name, const T& value) {
        Add(name, value, Kept::Saved);
    }
    template <typename T>
    void Field(Kept kept, const char* name, const T& value) {
        Add(name, value, kept);
    }
    template <typename Table>
    void Records(Kept kept, const char* name, const Table& table) {
        Add(name, table, kept);
    }

    std::vector<Place> places;

  private:
    template <typename T>
    void Add(const char* name, const T& value, Kept kept) {
        places.push_back({name, reinterpret_cast<const char*>(&value), sizeof(T), kept});
    }
};

template <typename Record>
void ExpectEveryMemberNamed(const char* record_name) {
    SCOPED_TRACE(record_name);
    const Record record{};
    PlaceCollector collector;
    VisitFields(collector, record);
    // As many distinct, non-overlapping fields inside the record as it has
    // members: then no member is left without a name.
    EXPECT_EQ(collector.places.size(), MemberCount<Record>());
    std::set<std::string> names;
    const char* start = reinterpret_cast<const char*>(&record);
    for (const Place& place : collector.places) {
        EXPECT_TRUE(names.insert(place.name).second) << place.name << " is listed twice";
        EXPECT_GE(place.begin, start) << place.name;
        EXPECT_LE(place.begin + place.size, start + sizeof(Record)) << place.name;
        for (const Place& other : collector.places) {
            if (&other == &place) continue;
            const bool apart =
                place.begin + place.size <= other.begin || other.begin + other.size <= place.begin;
            EXPECT_TRUE(apart) << place.name << " and " << other.name << " overlap";
        }
    }
}

TEST(FieldLists, EveryMemberOfTheStateAndItsRecordsHasAName) {
    ExpectEveryMemberNamed<GameState>("GameState");
    ExpectEveryMemberNamed<PLAYER>("PLAYER");
    ExpectEveryMemberNamed<BlockEncounters>("BlockEncounters");
    ExpectEveryMemberNamed<EncounterGroup>("EncounterGroup");
    ExpectEveryMemberNamed<Monster>("Monster");
    ExpectEveryMemberNamed<MapCell>("MapCell");
    // The counter itself sees a member that is not listed.
    struct Three {
        int16_t a, b;
        std::string c;
    };
    EXPECT_EQ(MemberCount<Three>(), 3u);
}

struct LeafName {
    std::string name;
    Kept kept;
};

// Every value the state holds, by the name a script uses; of an array or a
// table only its first and last entries.
class LeafNamer {
  public:
    template <typename T>
    void Field(const char* name, const T& /*value*/) {
        Add(prefix_ + name);
    }
    template <typename T, size_t N>
    void Field(const char* name, const std::array<T, N>& /*values*/) {
        Add(prefix_ + name + "[0]");
        Add(prefix_ + name + "[" + std::to_string(N - 1) + "]");
    }
    template <typename T>
    void Field(Kept kept, const char* name, const T& value) {
        kept_ = kept;
        Field(name, value);
    }
    template <typename Table>
    void Records(Kept kept, const char* name, const Table& table) {
        kept_ = kept;
        for (size_t index : {size_t{0}, table.size() - 1}) {
            prefix_ = std::string(name) + "[" + std::to_string(index) + "].";
            VisitFields(*this, table[index]);
        }
        prefix_.clear();
    }

    std::vector<LeafName> names;

  private:
    void Add(const std::string& name) { names.push_back({name, kept_}); }

    std::string prefix_;
    Kept kept_ = Kept::Running;
};

std::vector<uint8_t> SavedBytes(const GameState& state) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(EncodeSavedGame(state, bytes));
    return bytes;
}

TEST(FieldLists, EveryNameReachesItsValueAndOnlySavedOnesReachTheFile) {
    LeafNamer namer;
    const GameState untouched;
    VisitFields(namer, untouched);
    ASSERT_GT(namer.names.size(), 200u);
    const std::vector<uint8_t> untouched_bytes = SavedBytes(untouched);
    for (const LeafName& leaf : namer.names) {
        SCOPED_TRACE(leaf.name);
        GameState state;
        std::string value;
        ASSERT_EQ(SetStateValue(state, leaf.name, "7"), "");
        ASSERT_EQ(GetStateValue(state, leaf.name, value), "");
        EXPECT_EQ(value, "7");
        // A change shows in the saved game exactly when the field is saved.
        const bool saved = leaf.kept == Kept::Saved;
        EXPECT_EQ(SavedBytes(state) != untouched_bytes, saved);
        EXPECT_EQ(SameSavedPart(state, untouched), !saved);
    }
}

}  // namespace
}  // namespace duskmoor
