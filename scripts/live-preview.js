// The live preview on Linux: Wine cannot draw the working page in the
// program's own preview pane, so this shows it in a Chromium window and
// reloads it whenever the program rewrites it.
//
//   node scripts/live-preview.js /path/to/MySpace.html [--screenshot-dir DIR]
//
// It waits for the page to appear, opens it, and watches the page's folder
// (a safe write replaces the file, so a watch on the file itself would be
// lost after the first change). One control change may store the page
// several times: reloads wait until the folder has been quiet for 50 ms.
// With --screenshot-dir it saves the page as DIR/live-preview.png after
// each reload. It ends when its parent sends SIGTERM or the window closes.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');

const root = path.resolve(__dirname, '..');
const { chromium } = require(path.join(root, 'tests', 'browser', 'node_modules', 'playwright-core'));

const DEBOUNCE_MS = 50;

function parseArguments(argv) {
    const options = { page: null, screenshotDir: null };
    for (let i = 0; i < argv.length; ++i) {
        if (argv[i] === '--screenshot-dir') options.screenshotDir = argv[++i];
        else options.page = path.resolve(argv[i]);
    }
    if (!options.page) {
        console.error('usage: live-preview.js PAGE [--screenshot-dir DIR]');
        process.exit(2);
    }
    return options;
}

function waitForFile(file) {
    return new Promise((resolve) => {
        const look = () => (fs.existsSync(file) ? resolve() : setTimeout(look, 100));
        look();
    });
}

async function main() {
    const options = parseArguments(process.argv.slice(2));
    const folder = path.dirname(options.page);
    const name = path.basename(options.page);
    await waitForFile(options.page);

    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'glimmerpatch-preview-'));
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        headless: false,
        viewport: null,
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync', '--disable-quic',
               '--window-position=' + (process.env.GLIMMER_PREVIEW_POSITION || '980,0'),
               '--window-size=' + (process.env.GLIMMER_PREVIEW_SIZE || '940,1040'),
               '--force-device-scale-factor=' + (process.env.GLIMMER_PREVIEW_SCALE || '1')],
    });
    const page = context.pages()[0] || (await context.newPage());
    const address = 'file://' + options.page;
    let reloads = 0;

    const capture = async () => {
        if (!options.screenshotDir) return;
        fs.mkdirSync(options.screenshotDir, { recursive: true });
        await page.screenshot({ path: path.join(options.screenshotDir, 'live-preview.png') });
    };

    await page.goto(address);
    await capture();
    console.log(`live preview: showing ${options.page}`);

    let timer = null;
    let busy = Promise.resolve();
    const reload = () => {
        timer = null;
        busy = busy.then(async () => {
            if (!fs.existsSync(options.page)) return;
            try {
                // A page that was navigated away from comes back to the working page.
                if (page.url() !== address) await page.goto(address);
                else await page.reload();
                reloads += 1;
                await capture();
                console.log(`live preview: reloaded (${reloads})`);
            } catch (error) {
                if (!page.isClosed()) console.error(`live preview: reload failed: ${error.message}`);
            }
        });
    };
    const watcher = fs.watch(folder, (event, file) => {
        if (file && file !== name) return;
        if (timer) clearTimeout(timer);
        timer = setTimeout(reload, DEBOUNCE_MS);
    });

    const finish = async () => {
        watcher.close();
        if (timer) clearTimeout(timer);
        await context.close().catch(() => {});
        fs.rmSync(profile, { recursive: true, force: true });
        process.exit(0);
    };
    process.on('SIGTERM', finish);
    process.on('SIGINT', finish);
    page.on('close', finish);
}

main().catch((error) => {
    console.error(`live preview: ${error.message}`);
    process.exit(1);
});
