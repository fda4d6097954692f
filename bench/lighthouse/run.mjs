// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Lighthouse over the site served on 127.0.0.1 (tests/web/site-server.js),
// in Debian's Chromium, headless: performance, accessibility, best
// practices and SEO at desktop and at mobile settings. Prints the four
// scores of each, and every audit that cost a point; writes each report
// as HTML into REPORTS.
//
//   node bench/lighthouse/run.mjs SITE HEADERS REPORTS

import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';
import { ServeSite } from '../../tests/web/site-server.js';

const [folder, headers, reports] = process.argv.slice(2);
const categories = ['performance', 'accessibility', 'best-practices', 'seo'];
const settings = [['desktop', desktopConfig], ['mobile', undefined]];

mkdirSync(reports, { recursive: true });
const server = await ServeSite({ folder, headers });
const chrome = await chromeLauncher.launch({
    chromePath: process.env.BRENVIK_CHROMIUM ?? '/usr/bin/chromium',
    chromeFlags: ['--headless=new', ...(process.getuid?.() === 0 ? ['--no-sandbox'] : [])],
});
try {
    console.log(['', ...categories].map((name) => name.padEnd(16)).join(''));
    const lost = [];
    for (const [name, config] of settings) {
        const { lhr, report } = await lighthouse(server.url,
            { port: chrome.port, output: 'html', onlyCategories: categories, logLevel: 'error' }, config);
        writeFileSync(join(reports, `lighthouse-${name}.html`), report);
        console.log([name, ...categories.map((id) => String(Math.round(lhr.categories[id].score * 100)))]
            .map((cell) => cell.padEnd(16)).join(''));
        for (const id of categories)
            for (const { id: audit, weight } of lhr.categories[id].auditRefs) {
                const { score, title, displayValue } = lhr.audits[audit];
                if (weight > 0 && score !== null && score < 1)
                    lost.push(`${name} ${id}: ${audit} (${Math.round(score * 100)}) ${title}${displayValue ? `: ${displayValue}` : ''}`);
            }
    }
    console.log(lost.length ? `Below full marks:\n  ${lost.join('\n  ')}` : 'Every audit at full marks.');
    console.log(`Reports: ${reports}`);
} finally {
    await chrome.kill();
    server.close();
}
