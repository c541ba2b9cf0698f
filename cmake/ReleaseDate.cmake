# The release date, written once as an ISO date (VARODARA_RELEASE_DATE), in the other forms the
# documents need: VARODARA_RELEASE_YEAR ("2026"), VARODARA_RELEASE_MONTH ("December 2026") and
# VARODARA_RELEASE_RFC2822 ("Mon, 07 Dec 2026 12:00:00 +0000", the Debian changelog's).
if(NOT VARODARA_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
  message(FATAL_ERROR "VARODARA_RELEASE_DATE '${VARODARA_RELEASE_DATE}' is not a date of the form YYYY-MM-DD")
endif()
set(VARODARA_RELEASE_YEAR ${CMAKE_MATCH_1})
set(month ${CMAKE_MATCH_2})
set(day ${CMAKE_MATCH_3})
# Without leading zeros, which math() would not take as decimal.
string(REGEX REPLACE "^0" "" month ${month})
string(REGEX REPLACE "^0" "" day ${day})

# Days since 1970-01-01 of the proleptic Gregorian calendar, counted from a year that begins in
# March, so that a leap day falls at a year's end.
set(year ${VARODARA_RELEASE_YEAR})
if(month LESS_EQUAL 2)
  math(EXPR year "${year} - 1")
  math(EXPR month_from_march "${month} + 9")
else()
  math(EXPR month_from_march "${month} - 3")
endif()
math(EXPR era "${year} / 400")
math(EXPR year_of_era "${year} - ${era} * 400")
math(EXPR day_of_year "(153 * ${month_from_march} + 2) / 5 + ${day} - 1")
math(EXPR day_of_era "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")

# string(TIMESTAMP) writes the time SOURCE_DATE_EPOCH gives, if set: noon of the release day.
set(saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
math(EXPR noon "${days} * 86400 + 43200")
set(ENV{SOURCE_DATE_EPOCH} ${noon})
string(TIMESTAMP VARODARA_RELEASE_MONTH "%B %Y" UTC)
string(TIMESTAMP VARODARA_RELEASE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP check "%Y-%m-%d" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${saved_epoch}")
if(NOT check STREQUAL VARODARA_RELEASE_DATE)
  message(FATAL_ERROR "VARODARA_RELEASE_DATE '${VARODARA_RELEASE_DATE}' is not a day of the calendar")
endif()
