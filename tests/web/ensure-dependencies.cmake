# Installs the web tests' npm packages (package-lock.json) unless the locked versions are there.
#   cmake -DNPM=<npm> -DDIR=<tests/web> -P ensure-dependencies.cmake
cmake_minimum_required(VERSION 3.25)

file(READ "${DIR}/package-lock.json" lock)
string(JSON locked GET "${lock}" packages "node_modules/playwright-core" version)
set(installed "")
if(EXISTS "${DIR}/node_modules/playwright-core/package.json")
  file(READ "${DIR}/node_modules/playwright-core/package.json" manifest)
  string(JSON installed GET "${manifest}" version)
endif()
if(installed STREQUAL locked)
  message(STATUS "playwright-core ${installed} is installed")
  return()
endif()

message(STATUS "installing playwright-core ${locked} with npm ci")
execute_process(COMMAND "${NPM}" ci --no-audit --no-fund --prefer-offline
  WORKING_DIRECTORY "${DIR}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "npm ci failed in ${DIR}")
endif()
