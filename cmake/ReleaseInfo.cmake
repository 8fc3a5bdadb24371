# SPDX-License-Identifier: MIT
# What a release says about itself besides project()'s version: its date, who makes it,
# where it lives and its name for software centres.

# The date is that of the newest entry in NEWS.md, which must be this version's, so no
# version leaves without its news.
file(STRINGS ${PROJECT_SOURCE_DIR}/NEWS.md newest_news REGEX "^## " LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/NEWS.md)
if(NOT newest_news MATCHES "^## ([^ ]+) \\(([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])\\)$")
  message(FATAL_ERROR "NEWS.md: the newest entry must start \"## VERSION (YYYY-MM-DD)\", "
    "not \"${newest_news}\"")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "NEWS.md's newest entry is for ${CMAKE_MATCH_1}, but project() says "
    "${PROJECT_VERSION}: add this release's entry to NEWS.md")
endif()
set(NOUGHTS_RELEASE_DATE ${CMAKE_MATCH_2}-${CMAKE_MATCH_3}-${CMAKE_MATCH_4})
set(month_names January February March April May June July August September October
  November December)
math(EXPR month_index "${CMAKE_MATCH_3} - 1")
list(GET month_names ${month_index} month_name)
set(NOUGHTS_RELEASE_MONTH "${month_name} ${CMAKE_MATCH_2}")

set(NOUGHTS_DEVELOPERS "The Noughts & Crosses developers")
# The project has no public home or mailbox yet. Until it has, its web address and mail
# address lie under .invalid, the top-level name reserved never to resolve: they claim
# nobody's host and cannot pass for working ones. Give the real domain here when there
# is one; the address, the web pages and the software centres' name all follow from it.
set(NOUGHTS_DOMAIN noughts.invalid)
set(NOUGHTS_CONTACT "${NOUGHTS_DEVELOPERS} <developers@${NOUGHTS_DOMAIN}>")
set(NOUGHTS_HOMEPAGE "https://${NOUGHTS_DOMAIN}/")
# AppStream's reverse-domain name; the desktop entry and the metadata are named after it.
string(REPLACE "." ";" domain_labels ${NOUGHTS_DOMAIN})
list(REVERSE domain_labels)
list(JOIN domain_labels "." reversed_domain)
set(NOUGHTS_APP_ID ${reversed_domain}.noughts)
