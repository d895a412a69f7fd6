#pragma once
// Records describe their fields once, by name and in order, in a static
// `FieldsOf(visit, record...)`: a reader, a writer, a namer or a checker walks
// the same list. Given several records of one type, the list hands the
// visitor their fields side by side, to compare or copy them.
#include <type_traits>

namespace duskmoor {

template <typename Visitor, typename Record, typename... More>
void VisitFields(Visitor& visit, Record& record, More&... more) {
    std::remove_const_t<Record>::FieldsOf(visit, record, more...);
}

}  // namespace duskmoor
