// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The names of the site's own files beside its page, as the page links
// them and the site's build writes them (build-site.mjs).

export const SiteFiles = { manifest: 'manifest.webmanifest', favicon: 'favicon.png', worker: 'service-worker.js' };
