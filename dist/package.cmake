# The Debian package rotacle_<version>_<arch>.deb: both programs, the page
# reader and everything this folder installs. Its dependencies are the Debian
# packages of the shared libraries the programs link (dpkg-shlibdeps); the
# browser engine's library brings its helper process
# (libqt6webenginecore6-bin) among them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rotacle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Rotacle developers <developers@rotacle.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://rotacle.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "assistant for even-chance bets at European roulette")
# The extended description as Debian wants it: lines below 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
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
  "A live-casino history page pasted into Rotacle is read by a browser engine"
  "(Qt WebEngine), with scripts off and nothing fetched, so that its numbers"
  "are the ones a browser shows.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps that section for programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
