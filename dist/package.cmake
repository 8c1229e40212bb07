# The Debian packages, one per install component:
#   rotacle_<version>_<arch>.deb: both programs and everything this folder
#     installs (component rotacle);
#   rotacle-page-reader_<version>_<arch>.deb: the page reader, which only the
#     page paste runs (component reader).
# Their dependencies are the Debian packages of the shared libraries their
# programs link (dpkg-shlibdeps): the browser engine's library (Qt WebEngine,
# about 200 MB with its helper process libqt6webenginecore6-bin) is the page
# reader's alone. rotacle recommends the page reader of its own version, so
# that apt installs it by default and a player may leave it out.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rotacle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Rotacle developers <developers@rotacle.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://rotacle.org/)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL rotacle reader)
# Each package's description: its summary line, then the extended text as
# Debian wants it (lines below 80 columns). CPack puts no summary of its own
# in front while CPACK_PACKAGE_DESCRIPTION_SUMMARY keeps its default.
string(JOIN "\n" CPACK_DEBIAN_ROTACLE_DESCRIPTION
  "assistant for even-chance bets at European roulette"
  "Rotacle is a desktop assistant for players of European roulette (one zero)"
  "who bet on the six even chances: Less, More, Even, Odd, Red and Black. The"
  "player clicks every number the wheel produces on a picture of the table;"
  "Rotacle keeps the spin history, runs its game mode over it, shows which"
  "even-chance field to bet next and how large the stake is, settles the bet,"
  "keeps the bankroll and changes the stake by the staking rules."
  ""
  "The package also holds rotacle-sim, the same engine on the command line:"
  "scripted sessions, backtests of number files or random numbers, statistics"
  "and sweeps of settings over many runs."
  ""
  "A live-casino history page pasted into Rotacle is read by the page reader,"
  "in the recommended package rotacle-page-reader.")
string(JOIN "\n" CPACK_DEBIAN_READER_DESCRIPTION
  "page reader of Rotacle, on a browser engine"
  "Rotacle is a desktop assistant for players of European roulette who bet"
  "on the six even chances. This package holds its page reader: a"
  "live-casino history page pasted into Rotacle or rotacle-sim is read by a"
  "browser engine (Qt WebEngine), with scripts off and nothing fetched, so"
  "that its numbers are the ones a browser shows."
  ""
  "Without this package Rotacle works as before, except for the page paste.")
set(CPACK_DEBIAN_ROTACLE_PACKAGE_NAME rotacle)
set(CPACK_DEBIAN_READER_PACKAGE_NAME rotacle-page-reader)
# The reader and the program that runs it speak one version's protocol.
set(CPACK_DEBIAN_ROTACLE_PACKAGE_RECOMMENDS "rotacle-page-reader (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_READER_PACKAGE_ENHANCES rotacle)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps that section for programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
