// What the player keeps in the browser: the files of the player's folder, in IndexedDB, which the
// page's own folder in the module's memory file system mirrors. The storage is the truth: another
// tab of the page may have saved or removed a file since this one started, so the folder is made
// to match the storage again before each file dialog lists it and before the game takes the
// dialog's answer, and after each save and removal. A file the storage did not take is therefore
// never listed.
//
// Files stay where and as the page has always kept them (a database named after the folder, each
// entry under its full path with its time, mode and bytes), so what a player kept before is found.
// Only entries of the player's folder are taken, and only by a path that stays inside it.
//
// Without a storage, or one that does not answer, the game still starts and plays; each keep then
// resolves with the browser's words for the failure. A storage that answers late is taken up by
// the next mirror.
'use strict';

const keptFiles = (() => {
  const kVersion = 21;
  const kStore = 'FILE_DATA';
  // How long the start waits for the storage before the game comes up without the player's files.
  const kAnswerMilliseconds = 3000;
  const kFileMode = 0o100644;
  const kFolderMode = 0o40755;

  let FS = null;
  let folder = '';
  let database = null;  // a promise of the open database; rejects with the failure's words
  let answered = false;  // the database has opened or failed
  let waitedOnce = false;  // the start has waited its time for the database
  let persistenceAsked = false;

  function openDatabase() {
    return new Promise((resolve, reject) => {
      const storage = globalThis.indexedDB;
      if (!storage) {
        reject('IndexedDB is not available in this browser');
        return;
      }
      let request;
      try {
        request = storage.open(folder, kVersion);
      } catch (failure) {
        reject(String(failure));
        return;
      }
      request.onupgradeneeded = () => {
        const store = request.result.objectStoreNames.contains(kStore)
            ? request.transaction.objectStore(kStore)
            : request.result.createObjectStore(kStore);
        if (!store.indexNames.contains('timestamp')) store.createIndex('timestamp', 'timestamp', {unique: false});
      };
      request.onsuccess = () => resolve(request.result);
      request.onerror = (event) => {
        event.preventDefault();
        reject(String(request.error));
      };
    });
  }

  // The open database, or the failure's words when it is missing or does not answer in time: the
  // start waits for it once, and then nothing waits for a storage that has not answered.
  function opened() {
    if (answered || waitedOnce) return answered ? database : Promise.reject('IndexedDB did not answer');
    waitedOnce = true;
    let timer;
    const late = new Promise((_, reject) => {
      timer = setTimeout(() => reject('IndexedDB did not answer'), kAnswerMilliseconds);
    });
    return Promise.race([database, late]).finally(() => clearTimeout(timer));
  }

  // A kept path lies in the folder by plain names, with no "." or ".." to lead out of it.
  const insideFolder = (path) => typeof path === 'string' && path.startsWith(`${folder}/`) &&
      path.slice(folder.length + 1).split('/').every((name) => name !== '' && name !== '.' && name !== '..');

  function request(call) {
    return new Promise((resolve, reject) => {
      const asked = call();
      asked.onsuccess = () => resolve(asked.result);
      asked.onerror = (event) => {
        event.preventDefault();
        reject(String(asked.error));
      };
    });
  }

  // Every entry the storage keeps of the folder, as [path, entry].
  async function storedEntries() {
    const store = (await opened()).transaction([kStore], 'readonly').objectStore(kStore);
    const range = IDBKeyRange.bound(`${folder}/`, `${folder}/\uffff`);
    const [paths, entries] = await Promise.all([request(() => store.getAllKeys(range)),
                                                request(() => store.getAll(range))]);
    return paths.map((path, index) => [path, entries[index]]).filter(([path]) => insideFolder(path));
  }

  const stat = (path) => {
    try {
      return FS.stat(path);
    } catch {
      return null;
    }
  };

  function filesIn(path, into = []) {
    for (const name of FS.readdir(path)) {
      if (name === '.' || name === '..') continue;
      const inside = `${path}/${name}`;
      if (FS.isDir(FS.stat(inside).mode)) filesIn(inside, into);
      else into.push(inside);
    }
    return into;
  }

  // Makes the folder hold what the storage holds; its folders stay, as a save needs them. Without
  // a storage that answers, the folder holds nothing. Never fails.
  async function mirror() {
    let stored = [];
    try {
      stored = await storedEntries();
    } catch {
      // No storage: nothing is kept.
    }
    const kept = new Set();
    for (const [path, entry] of stored) {
      const time = entry?.timestamp instanceof Date ? entry.timestamp : new Date(0);
      // An entry the folder cannot take (a file where another entry needs a folder) is skipped.
      try {
        if (entry?.contents instanceof Uint8Array) {
          const now = stat(path);
          if (!now || now.mtime.getTime() !== time.getTime() || now.size !== entry.contents.length) {
            FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
            FS.writeFile(path, entry.contents);
            FS.utime(path, time.getTime(), time.getTime());
          }
          kept.add(path);
        } else if (!stat(path)) {
          FS.mkdirTree(path);
        }
      } catch {
        continue;
      }
    }
    for (const path of filesIn(folder)) {
      try {
        if (!kept.has(path)) FS.unlink(path);
      } catch {
        continue;
      }
    }
  }

  function transaction(write) {
    return opened().then((open) => new Promise((resolve, reject) => {
      const writing = open.transaction([kStore], 'readwrite');
      writing.oncomplete = () => resolve();
      writing.onabort = () => reject(String(writing.error ?? 'the write was aborted'));
      try {
        write(writing.objectStore(kStore));
      } catch (failure) {
        reject(String(failure));
        writing.abort();
      }
    }));
  }

  // Stores the file at `path` and the folders it lies in; resolves with the browser's words for
  // a failure, or null. Only what was saved: another tab's files stay as that tab kept them.
  async function keep(path) {
    let failure = null;
    try {
      await transaction((store) => {
        for (let each = path; insideFolder(each); each = each.slice(0, each.lastIndexOf('/'))) {
          const {mode, mtime} = FS.stat(each);
          store.put(FS.isDir(mode) ? {timestamp: mtime, mode: kFolderMode}
                                   : {timestamp: mtime, mode: kFileMode, contents: FS.readFile(each)}, each);
        }
      });
    } catch (words) {
      failure = String(words);
    }
    // Asked once a file is kept, so that the browser does not clear the storage when short of room.
    if (failure === null && !persistenceAsked) {
      persistenceAsked = true;
      navigator.storage?.persist?.().catch(() => {});
    }
    await mirror();
    return failure;
  }

  // Takes the file at `path` out of the storage and the folder; resolves with the browser's words
  // for a failure, or null.
  async function remove(path) {
    let failure = null;
    try {
      if (!insideFolder(path)) throw `${path} is not a kept file`;
      await transaction((store) => store.delete(path));
    } catch (words) {
      failure = String(words);
    }
    await mirror();
    return failure;
  }

  // Opens the storage for `playerFolder` of the module's file system `fileSystem` and reads what
  // it keeps into the folder; resolves once read, or once the storage has had its time to answer.
  function start(fileSystem, playerFolder) {
    FS = fileSystem;
    folder = playerFolder;
    FS.mkdirTree(folder);
    database = openDatabase();
    database.catch(() => {}).finally(() => { answered = true; });
    return mirror();
  }

  return {start, mirror, keep, remove, isKept: insideFolder};
})();
