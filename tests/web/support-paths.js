// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Where the suites find what scripts/package-web.sh built (or what the
// environment names instead).

import { pathToFileURL } from 'node:url';

const build = new URL('../../build/', import.meta.url);
export const path = (variable, name) => process.env[variable] ?? new URL(name, build).pathname;

export const pagePath = path('BRENVIK_WEB_PAGE', 'web/brenvik-config-assistant.html');
export const pageUrl = pathToFileURL(pagePath).href;
export const wasmPath = path('BRENVIK_WEB_WASM', 'web/wasm/brenvik-core.wasm');
export const coreCasesPath = path('BRENVIK_WEB_CORE_CASES', 'web/tests/web/web-core-cases');
