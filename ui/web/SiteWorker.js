// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// On the site (the page that links its manifest, from a host), the service
// worker keeps the site's files for use offline and brings a new build in
// on the next visit. It is registered once the page has loaded, so that it
// takes nothing from the first showing. The single page, and a browser
// that refuses the worker, go on as a plain page.

import { SiteFiles } from './SiteFiles.js';

if ('serviceWorker' in navigator && document.querySelector('link[rel=manifest]'))
    addEventListener('load', () => navigator.serviceWorker.register(SiteFiles.worker).catch(() => {}));
