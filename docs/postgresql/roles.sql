-- The roles of an office sharing one Delvaro database on a PostgreSQL server.
-- Run it as the database's owner (the role that connected first, which created the
-- tables) or a superuser, for instance:  psql -d delvaro -f roles.sql
-- Running it again changes nothing. Then give each person a login in one of the groups:
--   CREATE ROLE paul LOGIN PASSWORD '...' IN ROLE delvaro_consultation;
--   CREATE ROLE marie LOGIN PASSWORD '...' IN ROLE delvaro_personnel;
--   CREATE ROLE chef LOGIN PASSWORD '...' IN ROLE delvaro_administration;
-- The rights a login has on each screen are then given with delvaro-db grant.

DO $$
BEGIN
  -- Consultation only: reads everything, writes nothing.
  CREATE ROLE delvaro_consultation NOLOGIN;
EXCEPTION WHEN duplicate_object THEN NULL;
END
$$;
DO $$
BEGIN
  -- The office's staff: reads and writes every file but the rights file.
  CREATE ROLE delvaro_personnel NOLOGIN;
EXCEPTION WHEN duplicate_object THEN NULL;
END
$$;
DO $$
BEGIN
  -- Administrators: what the staff may do, and the rights file.
  CREATE ROLE delvaro_administration NOLOGIN IN ROLE delvaro_personnel;
EXCEPTION WHEN duplicate_object THEN NULL;
END
$$;

GRANT SELECT ON dba_files, dba_records TO delvaro_consultation;
-- A save locks the record it rewrites, which takes UPDATE.
GRANT SELECT ON dba_files TO delvaro_personnel;
GRANT SELECT, INSERT, UPDATE, DELETE ON dba_records TO delvaro_personnel;
-- Creating files (the rights file on a first grant, say) is the administrators'.
GRANT INSERT ON dba_files TO delvaro_administration;

-- The rights file lies in the same table as every other file: a trigger keeps it to the
-- administrators (and superusers), whatever the statement.
CREATE OR REPLACE FUNCTION delvaro_droits_reserves() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
  IF (TG_OP <> 'INSERT' AND OLD.file = 'DROITSUTILISATEURS'::bytea
      OR TG_OP <> 'DELETE' AND NEW.file = 'DROITSUTILISATEURS'::bytea)
     AND NOT pg_has_role('delvaro_administration', 'MEMBER') THEN
    RAISE EXCEPTION 'seuls les administrateurs (delvaro_administration) modifient les droits'
      USING ERRCODE = 'insufficient_privilege';
  END IF;
  RETURN CASE WHEN TG_OP = 'DELETE' THEN OLD ELSE NEW END;
END
$$;
CREATE OR REPLACE TRIGGER delvaro_droits_reserves
  BEFORE INSERT OR UPDATE OR DELETE ON dba_records
  FOR EACH ROW EXECUTE FUNCTION delvaro_droits_reserves();
