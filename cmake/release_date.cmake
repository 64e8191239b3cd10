# The day the version named in project() was released, as YYYY-MM-DD: the release in the
# AppStream metadata, the date of the manual pages, and the date of the Debian package's changelog
# entry, which scripts/package reads from this line. Change it together with the version.
set(VANTOKI_RELEASE_DATE 2026-12-07)
