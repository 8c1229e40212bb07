// The build this page belongs to; the build writes it (web/tools/stamp.mjs).
export const BUILD = 'unstamped';
