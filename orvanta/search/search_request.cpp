#include "orvanta/search/search_request.h"

#include "common/numeric_value.h"

bool InScope(const SearchRequest& request, QStringView juzNo) {
    const double juz = numericValue(juzNo);
    switch (request.Scope) {
    case SearchScope::WholeMushaf:
        return juz >= 1;
    case SearchScope::OneJuz:
        return numericValue(request.Combo1) == juz;
    case SearchScope::JuzRange:
        return numericValue(request.Combo2) <= juz && numericValue(request.Combo3) >= juz;
    }
    return false;
}
